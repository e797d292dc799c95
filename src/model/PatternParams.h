#pragma once
#include "RemotePatch.h"
#include <windows.h>
#include <string>

// What a pattern is drawn with besides its screen's size. The arrow keys step a gray level (0 to 255)
// and a size whose meaning is the pattern's own (the centre square's share of the screen's area in
// percent); calibration software's pattern is the picture it asked for.
struct PatternParams {
    int level;
    int size;
    RemotePatch remote = {RGB(0, 0, 0), RGB(0, 0, 0), 0, 0, 1, 1}; // black, until software asks

    bool operator==(const PatternParams& other) const {
        return level == other.level && size == other.size && remote == other.remote;
    }
    bool operator!=(const PatternParams& other) const { return !(*this == other); }
};

// How the arrows step one pattern's parameters: Up and Down the level to the next 10% step (with Shift
// one code value), Right and Left through the sizes, Home back to the standard; where `sizeOnly`, Up
// and Right go to the next size and Down and Left to the one before (Shift alike); and what the label
// says about the parameters shown.
struct ParamSteps {
    PatternParams standard;
    const int* sizes; // ascending
    int sizeCount;
    std::wstring (*label)(const PatternParams& params);
    bool sizeOnly = false;
};

// The gray steps 0%, 10%, ... 100% are the levels round(255 * p / 100). Up (+1) and down (-1) go to
// the nearest step above or below; fine steps go one code value. Both stop at 0 and 255.
int NextPatchLevel(int level, int direction, bool fine);
// A level as the labels say it: "50% (128)".
std::wstring LevelLabel(int level);
// The parameters after one key; false, and the parameters unchanged, for a key that steps nothing.
bool StepParams(const ParamSteps& steps, WPARAM virtualKey, bool fine, PatternParams& params);
// Whether a level and a size are parameters the pattern can show.
bool IsParams(const ParamSteps& steps, const PatternParams& params);
