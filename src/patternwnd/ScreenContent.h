#pragma once
#include "Patch.h"
#include "PatternMode.h"
#include "RemotePatch.h"
#include <string>

// What the screens show: one pattern with its parameters, each screen drawing it for its own size (the
// remote patch where the mode is patternRemote); a line of text that the first screen shows over it
// (empty: none); and whether the help overlay is up. Every source of input changes this one value and
// the frame applies it to every window.
struct ScreenContent {
    PatternMode mode = patternNone;
    PatternParams params = standardPatch;
    std::string label;
    bool overlay = false;
    RemotePatch remote = {RGB(0, 0, 0), RGB(0, 0, 0), 0, 0, 1, 1}; // until software asks: black
};
