#include "DiscoverScreens.h"
#include "ScreenList.h"
#include "SplitSingleDisplay.h"
#include <algorithm>

bool SameScreens(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!::EqualRect(&a[i], &b[i]))
            return false;
    return true;
}

std::vector<RECT> DiscoverScreens(const CMonitorFunctions& functions) {
    CScreenList* list = CScreenList::GetInstance();
    if (list == nullptr) {
        HDC ic = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
        const int height = ::GetDeviceCaps(ic, VERTRES);
        const int width = ::GetDeviceCaps(ic, HORZRES);
        ::DeleteDC(ic);
        return SplitSingleDisplay(width, height);
    }
    list->Enumerate(functions);
    // The count and the records come from two calls; a monitor coming or going between them must not
    // make us read past the records.
    const int reported = functions.GetSystemMetrics(SM_CMONITORS);
    const size_t count = std::min(list->records.size(), static_cast<size_t>(std::max(reported, 0)));
    std::vector<RECT> rects;
    for (size_t i = 0; i < count; ++i)
        rects.push_back(list->records[i].rect);
    return rects;
}
