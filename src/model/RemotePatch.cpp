#include "RemotePatch.h"
#include <algorithm>
#include <cmath>

namespace {

// An edge at a fraction of the extent, rounded half up, within 0 to extent.
int Edge(double fraction, int extent) {
    const double edge = std::floor(fraction * extent + 0.5);
    return edge <= 0 ? 0 : edge >= extent ? extent : static_cast<int>(edge);
}

UINT32 Widened(COLORREF color) {
    return DeepPixel(TenBitCode(GetRValue(color)), TenBitCode(GetGValue(color)),
                     TenBitCode(GetBValue(color)));
}

COLORREF Narrowed(UINT32 pixel) {
    return RGB(EightBitLevel(pixel & 0x3FF), EightBitLevel((pixel >> 10) & 0x3FF),
               EightBitLevel((pixel >> 20) & 0x3FF));
}

} // namespace

RemotePatch EightBitPatch(COLORREF background, COLORREF color, double x, double y, double cx, double cy) {
    return {background, color, x, y, cx, cy, Widened(background), Widened(color), false};
}

RemotePatch NarrowedPatch(const RemotePatch& patch) {
    RemotePatch narrowed = patch;
    narrowed.background = Narrowed(patch.background10);
    narrowed.color = Narrowed(patch.color10);
    return narrowed;
}

RECT RemotePatchRect(const RemotePatch& patch, int width, int height) {
    const int left = Edge(patch.x, width), top = Edge(patch.y, height);
    const int right = std::max(left, Edge(patch.x + patch.cx, width));
    const int bottom = std::max(top, Edge(patch.y + patch.cy, height));
    return {left, top, right, bottom};
}
