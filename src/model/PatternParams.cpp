#include "PatternParams.h"
#include "Texts.h"

namespace {

int StepLevel(int step) {
    return (255 * step * 10 + 50) / 100; // round(255 * p / 100) for p = 10 * step
}

// The next size up (+1) or down (-1) in the list, stopping at its ends.
int NextSize(const ParamSteps& steps, int size, int direction) {
    int i = 0;
    while (i < steps.sizeCount - 1 && steps.sizes[i] < size)
        ++i;
    i += direction;
    return steps.sizes[i < 0 ? 0 : i >= steps.sizeCount ? steps.sizeCount - 1 : i];
}

} // namespace

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

std::wstring LevelLabel(int level) {
    const int percent = (level * 100 * 2 + 255) / (2 * 255); // rounded
    return FormatText(IDS_LEVEL_LABEL, {Number(percent), Number(level)});
}

bool StepParams(const ParamSteps& steps, WPARAM virtualKey, bool fine, PatternParams& params) {
    if (steps.sizeOnly && (virtualKey == VK_UP || virtualKey == VK_DOWN))
        virtualKey = virtualKey == VK_UP ? VK_RIGHT : VK_LEFT;
    switch (virtualKey) {
    case VK_UP:
        params.level = NextPatchLevel(params.level, +1, fine);
        return true;
    case VK_DOWN:
        params.level = NextPatchLevel(params.level, -1, fine);
        return true;
    case VK_RIGHT:
        params.size = NextSize(steps, params.size, +1);
        return true;
    case VK_LEFT:
        params.size = NextSize(steps, params.size, -1);
        return true;
    case VK_HOME:
        params = steps.standard;
        return true;
    default:
        return false;
    }
}

bool IsParams(const ParamSteps& steps, const PatternParams& params) {
    if (params.level < 0 || params.level > 255)
        return false;
    for (int i = 0; i < steps.sizeCount; ++i)
        if (steps.sizes[i] == params.size)
            return true;
    return false;
}
