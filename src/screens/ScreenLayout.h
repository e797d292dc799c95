#pragma once
#include "ScreenDetails.h"
#include <windows.h>
#include <vector>

// One screen as the pattern windows are handed it: its rectangle on the desktop and what it runs at.
struct ScreenInfo {
    RECT rect;
    ScreenDetails details;
};
using ScreenLayout = std::vector<ScreenInfo>;

// The screens as they are now, in the order of discovery, each with its details.
ScreenLayout DiscoverLayout();
// Whether two layouts have the same screens, in the same order, running at the same.
bool SameLayout(const ScreenLayout& a, const ScreenLayout& b);
// The rectangles of a layout, in its order.
std::vector<RECT> LayoutRects(const ScreenLayout& layout);
