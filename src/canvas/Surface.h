#pragma once
#include "Layer.h"
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
    // Paints the window's update rectangle from the surface: all of a WM_PAINT, or, with PaintTo,
    // the part between BeginPaint and EndPaint that the owner's own painting wraps.
    void Paint();
    virtual void PaintTo(const PAINTSTRUCT& paint);
    bool Fill(COLORREF color);

    // Direct access to the pixels, for patterns that repeat one row or one period: GDI writes
    // memory a column at a time for vertical lines, and this writes it a row at a time. A pixel is
    // the raw value GDI writes (a palette index, or 0x00RRGGBB); areas are clipped to the surface.
    UINT32 PixelAt(int x, int y);
    void FillPixels(const RECT& area, UINT32 pixel);
    // Row y, whole width, or column x, whole height (nothing where it is off the surface).
    std::vector<UINT32> PixelsOfRow(int y);
    std::vector<UINT32> PixelsOfColumn(int x);
    // Writes pixels[0..] into row y from column `left` on.
    void WriteRow(int y, int left, const std::vector<UINT32>& pixels);
    // Fills each row of the area with one pixel: row area.top + i with rowPixels[i].
    void FillRows(const RECT& area, const std::vector<UINT32>& rowPixels);
    // Sets every second column of the area, from its left edge on.
    void FillEveryOtherColumn(const RECT& area, UINT32 pixel);
    // Copies the area's part of sourceRow to every other row of the area.
    void CopyRowDown(const RECT& area, int sourceRow);
    // Writes a stack of layers, each pixel once and row after row (see ComposeLayers): a chart of
    // rectangles at about the cost of one fill.
    void Compose(const std::vector<Layer>& layers);
    // Rows top to bottom - 1, whole width, from a cycle of rows: row y is rows[y % rows.size()]. The
    // first cycle is written, the rest copied from the rows one cycle above.
    void WriteRowCycle(int top, int bottom, const std::vector<std::vector<UINT32>>& rows);

    // How the surface learns about the owner's display, asked at Create (and so again whenever the
    // surface is remade): its bits per pixel, which the ramp chart's steps depend on, and whether it
    // works through a palette. The owner window's DC by default; tests and the render tool choose here.
    using DisplayBitsReader = int (*)(HWND owner);
    using PaletteDisplayReader = bool (*)(HWND owner);
    static int OwnerDisplayBits(HWND owner);
    static bool OwnerUsesPalette(HWND owner);
    DisplayBitsReader readDisplayBits;
    PaletteDisplayReader readPaletteDisplay;

    HWND owner;
    HDC memDC;
    HBITMAP bitmap;
    int width;
    int height;
    COLORREF darkColor;
    int displayBits;  // the display's bits per pixel when the surface was made
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
    BYTE* Row(int y) { return static_cast<BYTE*>(bits) + static_cast<size_t>(y) * stride; }
    // The pixel stored at (x, y), which must be on the surface; what GDI drew must be flushed first.
    UINT32 Stored(int x, int y) {
        return bitsPerPixel == 8 ? Row(y)[x] : reinterpret_cast<const UINT32*>(Row(y))[x];
    }
    // `count` pixels from (x, y) on, a step (dx, dy) apart, all on the surface where (x, y) is; none
    // where it is off.
    std::vector<UINT32> PixelsAlong(int x, int y, int dx, int dy, int count);
    bool Clip(const RECT& area, RECT& clipped) const;

    std::vector<BYTE> indexHeader; // a DIB_PAL_COLORS header for painting: index i is palette entry i
};
