#include "KeepAwake.h"

CKeepAwake::CKeepAwake(ProcLookup lookup)
    : setState(reinterpret_cast<EXECUTION_STATE(WINAPI*)(EXECUTION_STATE)>(
          reinterpret_cast<void*>(lookup("SetThreadExecutionState")))) {
    if (setState)
        setState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED);
}

CKeepAwake::~CKeepAwake() {
    if (setState)
        setState(ES_CONTINUOUS);
}

FARPROC CKeepAwake::LookUpInKernel32(const char* name) {
    HMODULE kernel32 = ::GetModuleHandleA("KERNEL32");
    return kernel32 ? ::GetProcAddress(kernel32, name) : nullptr;
}
