#pragma once
#include "Edid.h"
#include "MonitorFunctions.h"
#include <windows.h>

// What a screen's monitor runs at now, as the display's current settings say: bits per pixel and
// refresh rate in Hz (0 where the system gives none), whether it is the primary monitor, how many
// bits per colour reach it (0 where the system does not say), and what its EDID says of it.
struct ScreenDetails {
    int bitsPerPixel;
    int refreshRate;
    bool primary;
    int bitsPerColor = 0;
    EdidFacts edid = EdidFacts();

    bool operator==(const ScreenDetails& o) const {
        return bitsPerPixel == o.bitsPerPixel && refreshRate == o.refreshRate && primary == o.primary &&
               bitsPerColor == o.bitsPerColor && edid == o.edid;
    }
    bool operator!=(const ScreenDetails& o) const { return !(*this == o); }
};

// The details of the monitor that holds most of this rectangle.
ScreenDetails DescribeScreen(const RECT& rect,
                             const CMonitorFunctions& functions = CMonitorFunctions::Process());
