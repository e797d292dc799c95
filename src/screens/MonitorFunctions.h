#pragma once
#include <windows.h>

// The multiple-monitor functions, looked up by name at run time: the system's own when all seven are
// there, else the answers of a system with one monitor covering the primary display.
class CMonitorFunctions {
  public:
    using ProcLookup = FARPROC (*)(const char* name);

    explicit CMonitorFunctions(ProcLookup lookup);

    int GetSystemMetrics(int index) const;
    BOOL EnumDisplayMonitors(HDC dc, LPCRECT clip, MONITORENUMPROC callback, LPARAM data) const;
    BOOL GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info) const;
    HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags) const;
    bool Found() const { return found; }

    // The process's own, looked up in USER32 on first use.
    static const CMonitorFunctions& Process();
    static FARPROC LookUpInUser32(const char* name);

    // What the single-monitor answers call the primary monitor.
    static const HMONITOR primaryPseudoMonitor;

  private:
    bool found;
    int(WINAPI* getSystemMetrics)(int);
    BOOL(WINAPI* enumDisplayMonitors)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
    BOOL(WINAPI* getMonitorInfo)(HMONITOR, LPMONITORINFO);
    HMONITOR(WINAPI* monitorFromRect)(LPCRECT, DWORD);
};
