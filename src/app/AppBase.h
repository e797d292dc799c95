#pragma once
#include <windows.h>

// The application object: Run initialises, runs the message loop until WM_QUIT and exits. A false Init
// or Exit makes Run return -1.
class CAppBase {
  public:
    explicit CAppBase(HINSTANCE instance);
    virtual ~CAppBase();
    CAppBase(const CAppBase&) = delete;
    CAppBase& operator=(const CAppBase&) = delete;

    virtual int Run(int showCommand, const char* commandLine);
    virtual bool Init(int showCommand, const char* commandLine);
    virtual bool Exit();
    virtual int MessageLoop();

    HINSTANCE instance;
};
