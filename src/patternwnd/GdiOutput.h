#pragma once
#include "Canvas.h"
#include "ScreenOutput.h"

// A screen shown through GDI: the window's canvas, painted into the window on WM_PAINT with the overlay
// over it. On a display of true colour each pixel of the screen is written once (the overlay is composed
// over the canvas beside it); on a palette display the overlay is painted after the canvas, in the
// realized palette's colours.
class CGdiOutput : public CScreenOutput {
  public:
    CGdiOutput(HWND window, CCanvas& canvas);

    int BitsPerColor() const override { return 8; }
    // Invalidates what changed and where the overlay was and is, and has the window paint it at once.
    bool Show(const std::vector<RECT>& changed, const Overlay& overlay) override;
    void Hide() override {}
    // The window's WM_PAINT, between BeginPaint and EndPaint.
    void Paint(const PAINTSTRUCT& paint);

  private:
    HWND window;
    CCanvas& canvas;
    Overlay overlay;
    std::vector<OverlayArea> areas; // where the overlay lies
};
