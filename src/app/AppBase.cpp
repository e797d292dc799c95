#include "AppBase.h"
#include "Waits.h"
#include "Window.h"

CAppBase::CAppBase(HINSTANCE instance) : instance(instance) {}

CAppBase::~CAppBase() {}

int CAppBase::Run(int showCommand, const char* commandLine) {
    if (!Init(showCommand, commandLine))
        return -1;
    int result;
    try {
        result = MessageLoop();
    } catch (...) {
        // A failure handed on from a window procedure: take the windows down before it is reported,
        // or the full-screen patterns would hide the report.
        Exit();
        throw;
    }
    if (!Exit())
        return -1;
    return result;
}

bool CAppBase::Init(int, const char*) {
    return true;
}

bool CAppBase::Exit() {
    return true;
}

int CAppBase::MessageLoop() {
    // Messages, and the handles of the screens' frame clocks where patterns move.
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // A failure during start-up posted the quit before the loop ran.
                CWindow::RethrowKeptException();
                return static_cast<int>(msg.wParam);
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            CWindow::RethrowKeptException();
        }
        CWaits::Thread().Wait();
        CWindow::RethrowKeptException();
    }
}
