#pragma once
#include "PatternParams.h"
#include <string>

// The uniformity grid's parameters: the field's gray level and its regions a side (3, 5 or 9); it
// starts at 50% gray in 3 x 3.
extern const ParamSteps uniformitySteps;
// What the label says, in Latin-1: e.g. "50% (128) \xB7 3\xD73" (0xD7 is the multiplication sign).
std::string UniformityLabel(const PatternParams& params);
