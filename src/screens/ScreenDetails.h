#pragma once
#include "Edid.h"
#include "MonitorFunctions.h"
#include "RefreshRate.h"
#include <windows.h>

// What a screen's monitor runs at now, as the display's current settings say: bits per pixel and
// refresh rate in Hz (0 where the system gives none), whether it is the primary monitor, how many
// bits per colour reach it (0 where the system does not say), what its EDID says of it, and its refresh
// rate as exactly as the system tells it (60 Hz where it tells none).
struct ScreenDetails {
    int bitsPerPixel;
    int refreshRate;
    bool primary;
    int bitsPerColor = 0;
    EdidFacts edid = EdidFacts();
    RefreshRate rate = RefreshRate();

    bool operator==(const ScreenDetails& o) const {
        return bitsPerPixel == o.bitsPerPixel && refreshRate == o.refreshRate && primary == o.primary &&
               bitsPerColor == o.bitsPerColor && edid == o.edid && rate == o.rate;
    }
    bool operator!=(const ScreenDetails& o) const { return !(*this == o); }
};

// The details of the monitor that holds most of this rectangle.
ScreenDetails DescribeScreen(const RECT& rect,
                             const CMonitorFunctions& functions = CMonitorFunctions::Process());
