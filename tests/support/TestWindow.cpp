#include "TestWindow.h"
#include "Waits.h"

TestWindow::TestWindow(const std::string& className) : CWindow(::GetModuleHandleA(nullptr)), name(className) {
    classInfo.lpszClassName = name.c_str();
}

TestWindow::~TestWindow() {
    Destroy();
}

LRESULT TestWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handler && handler(*this, msg, wParam, lParam, result))
        return result;
    if (msg == WM_PAINT && canvas) {
        canvas->Paint();
        return 0;
    }
    if (msg == WM_ERASEBKGND && canvas)
        return 1;
    if (msg == WM_DESTROY)
        return 0; // tests end their own loops; no quit message
    return CWindow::WindowProc(msg, wParam, lParam);
}

bool TestWindow::CreateAt(int x, int y, int width, int height) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (!::GetClassInfoExA(instance, name.c_str(), &existing))
        Register();
    if (!Create(WS_POPUP, 0, nullptr, nullptr, nullptr))
        return false;
    Move(x, y, width, height, true);
    Show(SW_SHOWNORMAL);
    Update();
    PumpMessages();
    return true;
}

bool DropQuitMessages() {
    MSG msg;
    bool any = false;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        any = true;
    return any;
}

void PumpMessages() {
    CWaits::Thread().RunSignalled(); // the frame clocks' handles, as the program's loop waits on them
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
