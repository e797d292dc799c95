#include "Frame.h"
#include "PatternWindow.h"

// A movement shows the pointer and starts the wait again. The system also reports moves that are none
// (a window appearing under a still pointer): only a new position counts.
void CFrame::OnMouseMove() {
    POINT now;
    if (!::GetCursorPos(&now) || (now.x == lastPointer.x && now.y == lastPointer.y))
        return;
    lastPointer = now;
    if (pointerHidden) {
        pointerHidden = false;
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    }
    ::SetTimer(handle, pointerTimer, pointerDelay, nullptr);
}

bool CFrame::PointerHidden() const {
    return pointerHidden;
}

void CFrame::HidePointer() {
    ::KillTimer(handle, pointerTimer);
    pointerHidden = true;
    // Hidden at once where it rests on a pattern; elsewhere each window hides it as it comes over it.
    POINT now;
    if (!::GetCursorPos(&now))
        return;
    HWND under = ::WindowFromPoint(now);
    for (auto& window : windows)
        if (window->handle == under)
            ::SetCursor(nullptr);
}
