#pragma once
#include "AppBase.h"

class CFrame;

// Tessaryn's application: Init makes the main frame (and with it a pattern window on every screen),
// Exit deletes it. The frame's window itself stays hidden.
class CApp : public CAppBase {
  public:
    explicit CApp(HINSTANCE instance);
    ~CApp() override;

    bool Init(int showCommand, const char* commandLine) override;
    bool Exit() override;

    CFrame* frame;
};
