#include "ScreenList.h"
#include <memory>

CScreenList* CScreenList::current = nullptr;

CScreenList::CScreenList() : functions(&CMonitorFunctions::Process()) {
    current = this;
}

CScreenList::~CScreenList() {
    if (current == this)
        current = nullptr;
}

CScreenList* CScreenList::GetInstance() {
    static std::unique_ptr<CScreenList> instance;
    if (!instance) {
        instance.reset(new CScreenList);
        instance->Enumerate();
    }
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (::GetVersionExA(&version) != TRUE)
        return nullptr;
    return UsesMonitorEnumeration(version) ? instance.get() : nullptr;
}

bool CScreenList::UsesMonitorEnumeration(const OSVERSIONINFOA& version) {
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return !(version.dwMajorVersion == 4 && version.dwMinorVersion == 0);
    case VER_PLATFORM_WIN32_NT:
        return version.dwMajorVersion >= 5;
    default:
        return true;
    }
}

void CScreenList::Enumerate(const CMonitorFunctions& functions) {
    this->functions = &functions;
    records.clear();
    functions.EnumDisplayMonitors(nullptr, nullptr, &CScreenList::EnumProc, 0);
}

BOOL CALLBACK CScreenList::EnumProc(HMONITOR monitor, HDC dc, RECT* monitorRect, LPARAM data) {
    return current->OnMonitor(monitor, dc, monitorRect, data) ? TRUE : FALSE;
}

bool CScreenList::OnMonitor(HMONITOR monitor, HDC, const RECT* monitorRect, LPARAM) {
    ScreenRecord record = {};
    record.monitor = monitor;
    record.rect = *monitorRect;
    record.info.cbSize = sizeof(MONITORINFOEXA);
    functions->GetMonitorInfoA(monitor, reinterpret_cast<MONITORINFO*>(&record.info));
    records.push_back(record);
    return true;
}
