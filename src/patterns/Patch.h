#pragma once
#include <windows.h>
#include <string>

// A measurement patch: the centre square at a gray level (0 to 255) and a size in percent of the
// screen's area (1, 2, 5, 10, 18, 25 or 100), on black. The standard one is today's white square.
struct Patch {
    int level;
    int percent;

    bool operator==(const Patch& other) const { return level == other.level && percent == other.percent; }
};

const Patch standardPatch = {255, 2};

// The patch's square on a width x height screen: side the floor of the square root of
// (width * height * percent) / 100 (the product in 64 bits), centred like the centre square, any odd
// pixel of margin right and below; 100% is the whole screen. Too small a screen for a percentage
// gives an empty square.
RECT PatchSquare(int width, int height, int percent);

// The gray steps 0%, 10%, ... 100% are the levels round(255 * p / 100). Up (+1) and down (-1) go to
// the nearest step above or below; fine steps go one code value. Both stop at 0 and 255.
int NextPatchLevel(int level, int direction, bool fine);
// The next size up (+1) or down (-1) in the table, stopping at its ends.
int NextPatchPercent(int percent, int direction);
// What the label says, in Latin-1: e.g. "50% (128) \xB7 10% window" (0xB7 is the middle dot).
std::string PatchLabel(const Patch& patch);
// Whether a level and a size are a patch the program can show.
bool IsPatch(const Patch& patch);
