#pragma once
#include <windows.h>
#include <string>

// Holds a window's handle and wraps the everyday window calls as virtual operations; bool results are
// true when the window system returned non-zero. Never used by itself: windows derive from CWindow.
class CWindowHandle {
  public:
    explicit CWindowHandle(HINSTANCE instance);
    virtual ~CWindowHandle();
    CWindowHandle(const CWindowHandle&) = delete;
    CWindowHandle& operator=(const CWindowHandle&) = delete;

    virtual bool Show(int showCommand);
    virtual bool Hide();
    virtual bool IsVisible();
    virtual bool Update();
    virtual bool GetWindowRect(RECT& out);
    virtual bool GetWindowRect(RECT* out);
    virtual bool GetClientRect(RECT* out);
    virtual RECT GetClientRect();
    virtual bool GetPlacement(WINDOWPLACEMENT* out);
    virtual bool Move(int x, int y, int width, int height, bool repaint);
    virtual bool Move(const RECT& r, bool repaint);
    virtual bool SetPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    virtual bool SetPos(HWND insertAfter, const RECT& r, UINT flags);
    virtual bool SetForeground();
    virtual bool SetText(const std::string& text);
    virtual bool SetText(const char* text);
    virtual LONG GetLong(int index);
    virtual LONG SetLong(int index, LONG value);
    virtual HDC GetDC();
    virtual LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual bool Post(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual bool Validate(const RECT* r);
    virtual bool Invalidate(const RECT* r, bool erase);
    virtual HWND SetParent(HWND newParent);
    virtual HWND GetParent();
    virtual bool IsChild(HWND other);

    HINSTANCE instance;
    HWND handle;
};
