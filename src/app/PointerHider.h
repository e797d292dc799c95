#pragma once
#include "Timers.h"
#include <windows.h>
#include <functional>

// Hides the pointer over the pattern windows once it has stood still for `delay`, and shows it again
// at its first movement: an arrow sitting on a field is what someone hunting a dead pixel or reading a
// colorimeter does not want. Clicks work either way.
class CPointerHider {
  public:
    // Whether a window is one of the pattern windows.
    using Ours = std::function<bool(HWND window)>;

    static const UINT delay = 3000;

    CPointerHider(CTimers& timers, Ours ours);
    ~CPointerHider();
    CPointerHider(const CPointerHider&) = delete;
    CPointerHider& operator=(const CPointerHider&) = delete;

    // The system says the mouse moved over a pattern window (it also says so when a window appears
    // under a still pointer: only a new position counts).
    void Moved();
    bool Hidden() const { return hidden; }

  private:
    void Hide();

    CTimers& timers;
    UINT_PTR timer;
    Ours ours;
    bool hidden;
    POINT last;
};
