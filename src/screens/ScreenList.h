#pragma once
#include "MonitorFunctions.h"
#include "ScreenRecord.h"
#include <vector>

// The monitors as the enumeration reports them, in its order. GetInstance gives the one list of the
// process, or null on systems too old for monitor enumeration (the single-display path then applies).
class CScreenList {
  public:
    CScreenList();
    virtual ~CScreenList();
    CScreenList(const CScreenList&) = delete;
    CScreenList& operator=(const CScreenList&) = delete;

    static CScreenList* GetInstance();
    // Asks the given monitor functions (the process's own by default) for the monitors again.
    void Enumerate(const CMonitorFunctions& functions = CMonitorFunctions::Process());
    static BOOL CALLBACK EnumProc(HMONITOR monitor, HDC dc, RECT* monitorRect, LPARAM data);
    virtual bool OnMonitor(HMONITOR monitor, HDC dc, const RECT* monitorRect, LPARAM data);

    // Whether a system of this version enumerates monitors: Windows 98 and NT 5 on, and anything else.
    static bool UsesMonitorEnumeration(const OSVERSIONINFOA& version);

    std::vector<ScreenRecord> records;
    static CScreenList* current;

  private:
    const CMonitorFunctions* functions;
};
