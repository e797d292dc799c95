#pragma once
#include "PatternParams.h"
#include <windows.h>
#include <string>

// The centre square as a measurement patch: a gray level and a size in percent of the screen's area
// (1, 2, 5, 10, 18, 25 or 100), on black. The standard one is today's white square; patterns without
// parameters of their own carry it too.
const PatternParams standardPatch = {255, 2};
extern const ParamSteps patchSteps;

// The patch's square on a width x height screen: side the floor of the square root of
// (width * height * percent) / 100 (the product in 64 bits), centred like the centre square, any odd
// pixel of margin right and below; 100% is the whole screen. Too small a screen for a percentage
// gives an empty square.
RECT PatchSquare(int width, int height, int percent);

// What the label says: e.g. "50% (128) · 10% window".
std::wstring PatchLabel(const PatternParams& patch);
