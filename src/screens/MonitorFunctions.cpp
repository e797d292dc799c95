#include "MonitorFunctions.h"
#include <cstring>

const HMONITOR CMonitorFunctions::primaryPseudoMonitor =
    reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(0x12340042));

namespace {

template <class Function> Function As(FARPROC proc) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

} // namespace

CMonitorFunctions::CMonitorFunctions(ProcLookup lookup)
    : found(false), getSystemMetrics(nullptr), enumDisplayMonitors(nullptr), getMonitorInfo(nullptr),
      monitorFromRect(nullptr) {
    const char* const names[7] = {"GetSystemMetrics",   "MonitorFromWindow",   "MonitorFromRect",
                                  "MonitorFromPoint",   "EnumDisplayMonitors", "GetMonitorInfoA",
                                  "EnumDisplayDevicesA"};
    FARPROC procs[7];
    bool all = true;
    for (int i = 0; i < 7; ++i) {
        procs[i] = lookup(names[i]);
        all = all && procs[i] != nullptr;
    }
    // All or nothing: a system with only some of them gets the single-monitor answers throughout.
    if (all) {
        found = true;
        getSystemMetrics = As<int(WINAPI*)(int)>(procs[0]);
        enumDisplayMonitors = As<BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM)>(procs[4]);
        getMonitorInfo = As<BOOL(WINAPI*)(HMONITOR, LPMONITORINFO)>(procs[5]);
        monitorFromRect = As<HMONITOR(WINAPI*)(LPCRECT, DWORD)>(procs[2]);
    }
}

int CMonitorFunctions::GetSystemMetrics(int index) const {
    if (found)
        return getSystemMetrics(index);
    return index == SM_CMONITORS ? 1 : ::GetSystemMetrics(index);
}

BOOL CMonitorFunctions::EnumDisplayMonitors(HDC dc, LPCRECT clip, MONITORENUMPROC callback,
                                            LPARAM data) const {
    if (found)
        return enumDisplayMonitors(dc, clip, callback, data);
    RECT primary = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    callback(primaryPseudoMonitor, nullptr, &primary, data);
    return TRUE;
}

BOOL CMonitorFunctions::GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info) const {
    if (found)
        return getMonitorInfo(monitor, info);
    if (monitor != primaryPseudoMonitor || info == nullptr || info->cbSize < sizeof(MONITORINFO))
        return FALSE;
    info->rcMonitor = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &info->rcWork, 0);
    info->dwFlags = MONITORINFOF_PRIMARY;
    if (info->cbSize >= sizeof(MONITORINFOEXA))
        std::strcpy(reinterpret_cast<MONITORINFOEXA*>(info)->szDevice, "DISPLAY");
    return TRUE;
}

HMONITOR CMonitorFunctions::MonitorFromRect(LPCRECT rect, DWORD flags) const {
    return found ? monitorFromRect(rect, flags) : primaryPseudoMonitor;
}

FARPROC CMonitorFunctions::LookUpInUser32(const char* name) {
    HMODULE user32 = ::GetModuleHandleA("USER32");
    return user32 ? ::GetProcAddress(user32, name) : nullptr;
}

const CMonitorFunctions& CMonitorFunctions::Process() {
    static const CMonitorFunctions functions(&LookUpInUser32);
    return functions;
}
