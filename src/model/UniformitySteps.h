#pragma once
#include "PatternParams.h"
#include <string>

// The uniformity grid's parameters: the field's gray level and its regions a side (3, 5 or 9); it
// starts at 50% gray in 3 x 3.
extern const ParamSteps uniformitySteps;
// What the label says: e.g. "50% (128) · 3×3".
std::wstring UniformityLabel(const PatternParams& params);
