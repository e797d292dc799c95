#pragma once
#include <windows.h>
#include <string>

// What the arrow keys step on a pattern that has parameters: a gray level (0 to 255) and a size whose
// meaning is the pattern's own (the centre square's share of the screen's area in percent).
struct PatternParams {
    int level;
    int size;

    bool operator==(const PatternParams& other) const { return level == other.level && size == other.size; }
    bool operator!=(const PatternParams& other) const { return !(*this == other); }
};

// How the arrows step one pattern's parameters: Up and Down the level to the next 10% step (with Shift
// one code value), Right and Left through the sizes, Home back to the standard; and what the label
// says about the parameters shown.
struct ParamSteps {
    PatternParams standard;
    const int* sizes; // ascending
    int sizeCount;
    std::string (*label)(const PatternParams& params);
};

// The gray steps 0%, 10%, ... 100% are the levels round(255 * p / 100). Up (+1) and down (-1) go to
// the nearest step above or below; fine steps go one code value. Both stop at 0 and 255.
int NextPatchLevel(int level, int direction, bool fine);
// A level as the labels say it: "50% (128)".
std::string LevelLabel(int level);
// The parameters after one key; false, and the parameters unchanged, for a key that steps nothing.
bool StepParams(const ParamSteps& steps, WPARAM virtualKey, bool fine, PatternParams& params);
// Whether a level and a size are parameters the pattern can show.
bool IsParams(const ParamSteps& steps, const PatternParams& params);
