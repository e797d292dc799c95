#pragma once
#include "Edid.h"

// The EDID of the monitor on a display device ("\\.\DISPLAY1"), as the system keeps it: the registry's
// EDID value of the monitor's device, found through SetupAPI from the device's monitor interface. Every
// function involved is looked up at run time; where one is missing, or the monitor has none, the
// monitor is not known. Answers are kept until ForgetMonitorEdids (a display change may bring another
// monitor).
EdidFacts MonitorEdid(const char* displayDevice);
void ForgetMonitorEdids();
