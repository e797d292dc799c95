#include "MotionSteps.h"
#include "Texts.h"

namespace {

const int speeds[] = {120, 240, 480, 720, 960, 1440, 1920, 2880, 3840};

} // namespace

const ParamSteps motionSteps = {{0, 960}, speeds, sizeof speeds / sizeof speeds[0], &SpeedLabel, true};

std::wstring SpeedLabel(const PatternParams& params) {
    return FormatText(IDS_SPEED_LABEL, {Number(params.size)});
}

int PixelsPerFrame(int speed, const RefreshRate& rate) {
    // speed * den / num + 1/2, floored: (2 * speed * den + num) / (2 * num).
    const unsigned long long num = rate.num > 0 ? rate.num : 60, den = rate.num > 0 ? rate.den : 1;
    const unsigned long long p = (2ull * static_cast<unsigned>(speed) * den + num) / (2 * num);
    return p < 1 ? 1 : static_cast<int>(p);
}
