#include "Patch.h"
#include "Texts.h"
#include <cmath>
#include <cstdint>

namespace {

const int percents[] = {1, 2, 5, 10, 18, 25, 100};

} // namespace

const ParamSteps patchSteps = {standardPatch, percents, sizeof percents / sizeof percents[0], &PatchLabel};

RECT PatchSquare(int width, int height, int percent) {
    if (percent >= 100)
        return {0, 0, width, height};
    const std::int64_t area = static_cast<std::int64_t>(width) * height * percent / 100;
    const int side = static_cast<int>(std::sqrt(static_cast<double>(area)));
    const int left = (width - side) / 2, top = (height - side) / 2;
    return {left, top, left + side, top + side};
}

std::wstring PatchLabel(const PatternParams& patch) {
    return FormatText(IDS_PATCH_LABEL, {LevelLabel(patch.level), Number(patch.size)});
}
