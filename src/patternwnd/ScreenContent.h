#pragma once
#include "Patch.h"
#include "PatternMode.h"
#include "ScreenDetails.h"
#include <string>

// What the screens show: one pattern with its parameters (calibration software's picture among them),
// each screen drawing it for its own size; a line of text that the first screen shows over it (empty:
// none); and whether the help overlay is up. Every source of input changes this one value and every
// window is handed it.
struct ScreenContent {
    PatternMode mode = patternNone;
    PatternParams params = standardPatch;
    std::wstring label;
    bool overlay = false;
};

// Which screen a window covers, as the help overlay says it: its number (from 1) of how many the
// system has, and what it runs at. The window's rectangle says its size and place.
struct ScreenDescription {
    int number;
    int count;
    ScreenDetails details;

    bool operator==(const ScreenDescription& o) const {
        return number == o.number && count == o.count && details == o.details;
    }
    bool operator!=(const ScreenDescription& o) const { return !(*this == o); }
};
