#pragma once
#include <windows.h>

// One screen: its monitor (null when the desktop was split by size), its rectangle in virtual-desktop
// coordinates, and the monitor's information.
struct ScreenRecord {
    HMONITOR monitor;
    RECT rect;
    MONITORINFOEXA info;
};
