#pragma once
#include "PatternParams.h"
#include "RefreshRate.h"
#include <string>

// The motion tests' parameter: their speed in pixels a second (`size`), one of 120, 240, 480, 720, 960,
// 1440, 1920, 2880 and 3840; 960 to start with. Every arrow steps it, Home goes back to 960.
extern const ParamSteps motionSteps;
// What the label says: e.g. "1440 pixels a second".
std::wstring SpeedLabel(const PatternParams& params);
// The pixels a frame that move `speed` pixels a second on a screen of that rate: speed / rate rounded
// half up, at least 1, worked out in whole numbers.
int PixelsPerFrame(int speed, const RefreshRate& rate);
