#pragma once
#include "AppBase.h"
#include "Frame.h"
#include <memory>

// Tessaryn's application: Init reads the command line and makes the main frame (and with it a pattern
// window on every screen, or on the chosen ones), Exit deletes it. The frame's window itself stays
// hidden. A bad command line, or /?, is answered in a message box and ends the run (code 1, or 0).
class CApp : public CAppBase {
  public:
    explicit CApp(HINSTANCE instance);
    ~CApp() override;

    bool Init(int showCommand, const char* commandLine) override;
    bool Exit() override;

    std::unique_ptr<CFrame> frame;
    // How the command line is answered: the system's message box; tests record it instead.
    int(WINAPI* showBox)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);
};
