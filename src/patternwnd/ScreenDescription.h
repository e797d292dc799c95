#pragma once
#include "ScreenDetails.h"

// Which screen a window covers, as the help overlay says it: its number (from 1) of how many the
// system has, and what it runs at (the window's rectangle says its size and place); and whether it shows
// calibration software's patches at 10 bits where the software asks for more than 8.
struct ScreenDescription {
    int number;
    int count;
    ScreenDetails details;
    bool tenBitPatches = false;

    bool operator==(const ScreenDescription& o) const {
        return number == o.number && count == o.count && details == o.details &&
               tenBitPatches == o.tenBitPatches;
    }
    bool operator!=(const ScreenDescription& o) const { return !(*this == o); }
};
