#pragma once
#include <windows.h>
#include <functional>
#include <vector>

// The timers of one window, each with what it does when it fires: whoever needs a timer adds one and
// no class keeps a switch over timer ids. Starting a running timer again restarts its wait.
class CTimers {
  public:
    using Action = std::function<void()>;

    explicit CTimers(HWND window);
    ~CTimers();
    CTimers(const CTimers&) = delete;
    CTimers& operator=(const CTimers&) = delete;

    // A new timer, not running yet; its id.
    UINT_PTR Add(Action action);
    // Fires every `milliseconds` from now on, until stopped.
    void Start(UINT_PTR id, UINT milliseconds);
    void Stop(UINT_PTR id);
    // The window's WM_TIMER: runs the action of the timer; false for an id that is not one of these.
    bool Fire(UINT_PTR id);

  private:
    HWND window;
    std::vector<Action> actions; // timer id i + 1 runs actions[i]
};
