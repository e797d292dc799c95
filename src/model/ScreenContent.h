#pragma once
#include "Patch.h"
#include "PatternMode.h"
#include <string>
#include <vector>

// What the screens show: one pattern with its parameters (calibration software's picture among them),
// each screen drawing it for its own size; a line of text that the first screen shows over it (empty:
// none), followed where `outputNote` says so by what that screen's output carries (the depth chart's
// note); and whether the help overlay is up. Every source of input changes this one value and every
// window is handed it.
struct ScreenContent {
    PatternMode mode = patternNone;
    PatternParams params = standardPatch;
    std::wstring label;
    bool outputNote = false;
    bool overlay = false;
    // The screens (numbers from 1) that say for a moment that their monitor is not at its native mode,
    // where it is not: after the start, and after a change of their size.
    std::vector<int> warned;
};
