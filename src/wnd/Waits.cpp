#include "Waits.h"

CWaits& CWaits::Thread() {
    static CWaits waits;
    return waits;
}

void CWaits::Add(HANDLE handle, std::function<void()> action) {
    handles.push_back(handle);
    actions.push_back(std::move(action));
}

void CWaits::Remove(HANDLE handle) {
    for (size_t i = 0; i < handles.size(); ++i)
        if (handles[i] == handle) {
            handles.erase(handles.begin() + static_cast<std::ptrdiff_t>(i));
            actions.erase(actions.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
}

void CWaits::Run(size_t index) {
    // A copy: the action may remove its own handle, or add others.
    const std::function<void()> action = actions[index];
    action();
}

void CWaits::Wait() {
    const DWORD count = static_cast<DWORD>(handles.size());
    const DWORD result = ::MsgWaitForMultipleObjectsEx(count, count > 0 ? handles.data() : nullptr, INFINITE,
                                                       QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result < WAIT_OBJECT_0 + count)
        Run(result - WAIT_OBJECT_0);
}

int CWaits::RunSignalled() {
    int ran = 0;
    for (size_t i = 0; i < handles.size(); ++i)
        if (::WaitForSingleObject(handles[i], 0) == WAIT_OBJECT_0) {
            Run(i);
            ++ran;
        }
    return ran;
}
