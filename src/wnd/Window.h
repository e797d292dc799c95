#pragma once
#include "WindowHandle.h"
#include <exception>

// A window bound to its object: classInfo describes the class Register registers, Create makes the
// window, and every message of it reaches the virtual WindowProc. The object must outlive its window.
class CWindow : public CWindowHandle {
  public:
    explicit CWindow(HINSTANCE instance);
    ~CWindow() override;

    bool Register();
    bool Create(DWORD style, DWORD exStyle, HWND parent, HMENU menu, void* param);
    bool Destroy();
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK InitialWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // An exception cannot unwind through the window system's frames: the window procedures keep the
    // first one and post a quit. The message loop calls this after each dispatch to throw it on.
    static void RethrowKeptException();
    static bool HasKeptException();

    WNDCLASSEXA classInfo;
    static CWindow* creating;

  private:
    static LRESULT Deliver(CWindow* window, UINT msg, WPARAM wParam, LPARAM lParam);
    static std::exception_ptr kept;
};
