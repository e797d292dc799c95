#pragma once
#include <windows.h>

// While it lives, the system keeps the displays on and does not sleep; afterwards the system's own
// settings apply again. SetThreadExecutionState is looked up by name, so a system without it runs the
// program all the same (the look-up is a parameter so that tests can take it away).
class CKeepAwake {
  public:
    using ProcLookup = FARPROC (*)(const char* name);

    explicit CKeepAwake(ProcLookup lookup = &LookUpInKernel32);
    ~CKeepAwake();
    CKeepAwake(const CKeepAwake&) = delete;
    CKeepAwake& operator=(const CKeepAwake&) = delete;

    static FARPROC LookUpInKernel32(const char* name);

  private:
    EXECUTION_STATE(WINAPI* setState)(EXECUTION_STATE);
};
