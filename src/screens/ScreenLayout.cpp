// The screens with what they run at, as the pattern windows are handed them.
#include "ScreenLayout.h"
#include "DiscoverScreens.h"

ScreenLayout DiscoverLayout() {
    ScreenLayout layout;
    for (const RECT& rect : DiscoverScreens())
        layout.push_back({rect, DescribeScreen(rect)});
    return layout;
}

bool SameLayout(const ScreenLayout& a, const ScreenLayout& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!::EqualRect(&a[i].rect, &b[i].rect) || a[i].details != b[i].details)
            return false;
    return true;
}

std::vector<RECT> LayoutRects(const ScreenLayout& layout) {
    std::vector<RECT> rects;
    for (const ScreenInfo& screen : layout)
        rects.push_back(screen.rect);
    return rects;
}
