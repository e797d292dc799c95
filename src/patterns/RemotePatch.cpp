#include "RemotePatch.h"
#include <algorithm>
#include <cmath>

namespace {

// An edge at a fraction of the extent, rounded half up, within 0 to extent.
int Edge(double fraction, int extent) {
    const double edge = std::floor(fraction * extent + 0.5);
    return edge <= 0 ? 0 : edge >= extent ? extent : static_cast<int>(edge);
}

} // namespace

RECT RemotePatchRect(const RemotePatch& patch, int width, int height) {
    const int left = Edge(patch.x, width), top = Edge(patch.y, height);
    const int right = std::max(left, Edge(patch.x + patch.cx, width));
    const int bottom = std::max(top, Edge(patch.y + patch.cy, height));
    return {left, top, right, bottom};
}
