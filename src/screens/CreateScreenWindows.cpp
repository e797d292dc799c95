#include "Frame.h"
#include "MonitorFunctions.h"
#include "PatternWindow.h"
#include "ScreenList.h"
#include "SplitSingleDisplay.h"
#include <algorithm>

void CFrame::CreateScreenWindows() {
    CScreenList* list = CScreenList::GetInstance();
    std::vector<ScreenRecord> rects;
    size_t count;
    if (list) {
        list->Enumerate();
        rects = list->records;
        // The count and the records come from two calls; a monitor coming or going between them must
        // not make us read past the records.
        const int reported = CMonitorFunctions::Process().GetSystemMetrics(SM_CMONITORS);
        count = std::min(rects.size(), static_cast<size_t>(std::max(reported, 0)));
    } else {
        HDC ic = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
        const int height = ::GetDeviceCaps(ic, VERTRES);
        const int width = ::GetDeviceCaps(ic, HORZRES);
        for (const RECT& r : SplitSingleDisplay(width, height)) {
            ScreenRecord record = {};
            record.rect = r;
            rects.push_back(record);
        }
        ::DeleteDC(ic);
        count = rects.size();
    }

    for (size_t i = 0; i < count; ++i)
        windows.push_back(boost::shared_ptr<CPatternWindow>(
            new CPatternWindow(this, instance, static_cast<int>(i), rects[i].rect)));

    for (auto& window : windows) {
        window->Create();
        window->Show(SW_SHOWNORMAL);
        window->SetMode(patternLevelRampChart);
        window->Update();
    }
    FocusFirstScreen();
}
