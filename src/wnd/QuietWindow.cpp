#include "QuietWindow.h"

CQuietWindow::CQuietWindow(HINSTANCE instance) : CWindow(instance) {}

CQuietWindow::~CQuietWindow() {
    // Destroyed here, its WM_DESTROY reaches this class's procedure, not the default's quit.
    Destroy();
}

bool CQuietWindow::RegisterOnce() {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    return ::GetClassInfoExA(instance, classInfo.lpszClassName, &existing) || Register();
}

LRESULT CQuietWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        Show(SW_HIDE);
        return 0;
    }
    return ::DefWindowProcA(handle, msg, wParam, lParam);
}
