#pragma once
#include "RefreshRate.h"

// The refresh rate of a display device's current mode as exactly as the system tells it: the rational
// rate of its path in QueryDisplayConfig (Windows 7 and later, looked up at run time) where there is one,
// else the mode's whole number of hertz (see WholeRate).
RefreshRate DisplayRate(const char* device, int wholeHz);
