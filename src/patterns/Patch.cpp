#include "Patch.h"
#include <cmath>
#include <cstdint>

namespace {

const int percents[] = {1, 2, 5, 10, 18, 25, 100};
const int percentCount = sizeof percents / sizeof percents[0];

int StepLevel(int step) {
    return (255 * step * 10 + 50) / 100; // round(255 * p / 100) for p = 10 * step
}

} // namespace

RECT PatchSquare(int width, int height, int percent) {
    if (percent >= 100)
        return {0, 0, width, height};
    const std::int64_t area = static_cast<std::int64_t>(width) * height * percent / 100;
    const int side = static_cast<int>(std::sqrt(static_cast<double>(area)));
    const int left = (width - side) / 2, top = (height - side) / 2;
    return {left, top, left + side, top + side};
}

int NextPatchLevel(int level, int direction, bool fine) {
    if (fine)
        return direction > 0 ? (level < 255 ? level + 1 : 255) : (level > 0 ? level - 1 : 0);
    if (direction > 0) {
        for (int step = 0; step <= 10; ++step)
            if (StepLevel(step) > level)
                return StepLevel(step);
        return 255;
    }
    for (int step = 10; step >= 0; --step)
        if (StepLevel(step) < level)
            return StepLevel(step);
    return 0;
}

int NextPatchPercent(int percent, int direction) {
    int i = 0;
    while (i < percentCount - 1 && percents[i] < percent)
        ++i;
    i += direction;
    return percents[i < 0 ? 0 : i >= percentCount ? percentCount - 1 : i];
}

std::string PatchLabel(const Patch& patch) {
    const int levelPercent = (patch.level * 100 * 2 + 255) / (2 * 255); // rounded
    return std::to_string(levelPercent) + "% (" + std::to_string(patch.level) + ") \xB7 " +
           std::to_string(patch.percent) + "% window";
}

bool IsPatch(const Patch& patch) {
    if (patch.level < 0 || patch.level > 255)
        return false;
    for (int percent : percents)
        if (percent == patch.percent)
            return true;
    return false;
}
