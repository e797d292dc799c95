#pragma once
#include <windows.h>

// The off-screen surface of a window: a memory DC with a bitmap compatible with the owner window's
// display, width x height pixels. Made by Create, dropped by Destroy, remade by Resize on a new size.
class CSurface {
  public:
    explicit CSurface(HWND owner);
    virtual ~CSurface();
    CSurface(const CSurface&) = delete;
    CSurface& operator=(const CSurface&) = delete;

    virtual bool Create(int width, int height);
    virtual void Destroy();
    virtual bool Resize(int width, int height);
    virtual void Paint();
    bool Fill(COLORREF color);

    HWND owner;
    HDC memDC;
    HBITMAP bitmap;
    int width;
    int height;
    COLORREF darkColor;

  protected:
    // Copies the update rectangle of a paint from the surface to the window, 1:1.
    void CopyUpdateRect(const PAINTSTRUCT& paint);
};
