#include "SplitSingleDisplay.h"

namespace {

bool IsDualHeadSize(int width, int height) {
    const int sizes[8][2] = {{3200, 1200}, {2400, 1600}, {2560, 1024}, {2048, 1280},
                             {1600, 2400}, {1200, 3200}, {1280, 2048}, {1024, 2560}};
    for (const auto& size : sizes)
        if (width == size[0] && height == size[1])
            return true;
    return false;
}

} // namespace

std::vector<RECT> SplitSingleDisplay(int width, int height) {
    const int parts = IsDualHeadSize(width, height) ? 2 : 1;
    const int partWidth = width / parts;
    std::vector<RECT> rects;
    for (int i = 0, left = 0; i < parts; ++i, left += partWidth)
        rects.push_back({left, 0, left + partWidth, height});
    return rects;
}
