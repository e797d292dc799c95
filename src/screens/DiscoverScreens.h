#pragma once
#include "MonitorFunctions.h"
#include <windows.h>
#include <vector>

// Which screens exist now, in order, as rectangles in virtual-desktop coordinates: the monitors as the
// enumeration reports them (no more than the system counts), or, on systems too old to enumerate
// monitors, the primary display, split in two where its size is a known pair of screens.
std::vector<RECT> DiscoverScreens(const CMonitorFunctions& functions = CMonitorFunctions::Process());

// Whether two lists of screens are the same rectangles in the same order.
bool SameScreens(const std::vector<RECT>& a, const std::vector<RECT>& b);
