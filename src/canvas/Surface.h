#pragma once
#include <windows.h>
#include <vector>

// The off-screen surface of a window: a memory DC with a DIB section of width x height pixels, made by
// Create, dropped by Destroy, remade by Resize on a new size. On a display that works through a palette
// the surface holds palette indices (8 bits, its colour table following the canvas's palette) and is
// painted through the realized palette, so every palette colour reaches the screen exactly; on any other
// display it holds true colours (32 bits).
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

    // How the surface learns whether the owner's display works through a palette: asked at Create.
    // Tests and the render tool choose here.
    using PaletteDisplayReader = bool (*)(HWND owner);
    static bool OwnerUsesPalette(HWND owner);
    PaletteDisplayReader readPaletteDisplay;

    HWND owner;
    HDC memDC;
    HBITMAP bitmap;
    int width;
    int height;
    COLORREF darkColor;
    int bitsPerPixel; // of the surface made last: 8 (palette indices) or 32
    void* bits;       // its pixels, top row first; each row `stride` bytes
    int stride;

  protected:
    // Copies the update rectangle of a paint from the surface to the window, 1:1; through the palette
    // selected in the paint's DC where the surface holds palette indices and there is a palette.
    void CopyUpdateRect(const PAINTSTRUCT& paint, bool throughPalette);
    // A palette-index surface's colour table: the given colours, black after them.
    void SetColorTable(const std::vector<COLORREF>& colors);

  private:
    std::vector<BYTE> indexHeader; // a DIB_PAL_COLORS header for painting: index i is palette entry i
};
