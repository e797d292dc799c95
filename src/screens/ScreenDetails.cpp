#include "ScreenDetails.h"
#include "DisplayRate.h"
#include "MonitorEdid.h"
#include "OutputDepth.h"

ScreenDetails DescribeScreen(const RECT& rect, const CMonitorFunctions& functions) {
    ScreenDetails details = {0, 0, false};
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    HMONITOR monitor = functions.MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    if (!functions.GetMonitorInfoA(monitor, reinterpret_cast<MONITORINFO*>(&info)))
        return details;
    details.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    // The single-monitor answers name no device: the display itself is asked.
    const bool named = functions.Found() && info.szDevice[0] != '\0';
    if (::EnumDisplaySettingsA(named ? info.szDevice : nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        details.bitsPerPixel = static_cast<int>(mode.dmBitsPerPel);
        // 0 and 1 stand for the hardware's default rate, which the system does not know.
        details.refreshRate = mode.dmDisplayFrequency > 1 ? static_cast<int>(mode.dmDisplayFrequency) : 0;
    }
    details.rate = DisplayRate(named ? info.szDevice : nullptr, details.refreshRate);
    if (functions.Found())
        details.bitsPerColor = OutputBitsPerColor(monitor);
    if (named)
        details.edid = MonitorEdid(info.szDevice);
    return details;
}
