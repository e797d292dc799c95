// The window of a swap chain, kept right over its pattern window.
#include "DeepWindow.h"

const char* const CDeepWindow::className = "tessaryn deep output wndclass";

CDeepWindow::CDeepWindow(HINSTANCE instance, HWND owner, std::function<void()> repaint)
    : CQuietWindow(instance), owner(owner), repaint(std::move(repaint)) {
    classInfo.lpszClassName = className;
    classInfo.hbrBackground = nullptr;
    classInfo.hCursor = nullptr; // the pattern window's own shows
}

bool CDeepWindow::Place(const RECT& rect) {
    if (handle == nullptr &&
        (!RegisterOnce() || !Create(WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, owner, nullptr, nullptr)))
        return false;
    RECT now;
    ::GetWindowRect(handle, &now);
    if (!::EqualRect(&now, &rect))
        Move(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, false);
    return true;
}

void CDeepWindow::ShowOver() {
    if (::IsWindowVisible(handle))
        return;
    Show(SW_SHOWNOACTIVATE);
    if (!Restack(::GetFocus() == owner))
        repaint(); // shown again, the window may have lost its picture while hidden
}

void CDeepWindow::KeepAbove(bool foreground) {
    if (handle != nullptr && ::IsWindowVisible(handle))
        Restack(foreground);
}

bool CDeepWindow::Restack(bool foreground) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    // Right above its owner already, which has not been given the focus: nothing covered it. (Given the
    // focus, Wine raises the owner's X window whatever the window system's order says.)
    if (!foreground && ::GetWindow(owner, GW_HWNDPREV) == handle)
        return false;
    if (foreground) {
        // The owner has the focus, so both belong on top. Wine without a window manager raises a window
        // it gives the focus to past the windows it owns, and skips a move to where the window already
        // is: the round through the topmost band makes it restack for certain.
        ::SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, flags);
        ::SetWindowPos(handle, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    } else {
        // Right above the owner, not above every window: another program's window over it stays.
        HWND above = ::GetWindow(owner, GW_HWNDPREV);
        if (above != handle)
            ::SetWindowPos(handle, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, flags);
    }
    // Uncovered, the window may have lost its picture.
    repaint();
    return true;
}

void CDeepWindow::OnOwnerMessage(UINT msg, LPARAM lParam) {
    if (handle == nullptr || !::IsWindowVisible(handle))
        return;
    if (msg == WM_WINDOWPOSCHANGING) {
        // Raised, the owner goes under this window, not over it.
        WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOZORDER) && pos->hwndInsertAfter == HWND_TOP)
            pos->hwndInsertAfter = handle;
        return;
    }
    KeepAbove(msg == WM_SETFOCUS);
}

LRESULT CDeepWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks and the pointer belong to the pattern window under it
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        ::BeginPaint(handle, &paint);
        ::EndPaint(handle, &paint);
        // The other buffer of the flip chain holds an older picture: the picture goes in again.
        repaint();
        return 0;
    }
    default:
        return CQuietWindow::WindowProc(msg, wParam, lParam);
    }
}
