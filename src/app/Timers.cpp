// Timers of one window, each with its own action.
#include "Timers.h"

CTimers::CTimers(HWND window) : window(window) {}

CTimers::~CTimers() {
    for (size_t i = 0; i < actions.size(); ++i)
        ::KillTimer(window, i + 1);
}

UINT_PTR CTimers::Add(Action action) {
    actions.push_back(std::move(action));
    return actions.size();
}

void CTimers::Start(UINT_PTR id, UINT milliseconds) {
    ::SetTimer(window, id, milliseconds, nullptr);
}

void CTimers::Stop(UINT_PTR id) {
    ::KillTimer(window, id);
}

bool CTimers::Fire(UINT_PTR id) {
    if (id == 0 || id > actions.size())
        return false;
    actions[id - 1]();
    return true;
}
