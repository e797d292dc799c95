#pragma once
#include "Window.h"

// A window that may go while the program runs: a pattern window whose monitor went, a swap chain's
// window, a connection's message window. Its object's destructor destroys it, and its WM_DESTROY only
// hides it: the base's default would end the program. A window made on demand registers its class the
// first time one is made.
class CQuietWindow : public CWindow {
  public:
    explicit CQuietWindow(HINSTANCE instance);
    ~CQuietWindow() override;

    // Registers classInfo unless its class is registered already.
    bool RegisterOnce();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
