#include "Canvas.h"
#include "GdiObject.h"
#include "PaletteSelect.h"

CCanvas::CCanvas(HWND owner) : CSurface(owner), lightColor(0x00FFFFFF) {}

CCanvas::~CCanvas() {
    palette.Reset();
}

void CCanvas::PaintTo(const PAINTSTRUCT& paint) {
    CPaletteSelect selected(paint.hdc, palette.handle, true);
    CopyUpdateRect(paint, palette.handle != nullptr);
}

UINT32 CCanvas::PalettePixel(int index) const {
    if (bitsPerPixel == 8)
        return static_cast<UINT32>(index);
    const COLORREF c = palette.entries[index];
    return (static_cast<UINT32>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

CPaletteSelect CCanvas::UsePalette() {
    palette.Create(0);
    SetColorTable(palette.entries);
    return CPaletteSelect(memDC, palette.handle, false);
}

void CCanvas::FillSolid(const RECT& rect, COLORREF color) {
    CBrush brush(::CreateSolidBrush(color));
    ::FillRect(memDC, &rect, brush);
}

UINT32 CCanvas::BrushPixel(COLORREF color) {
    const UINT32 kept = PixelAt(0, 0);
    FillSolid({0, 0, 1, 1}, color);
    const UINT32 pixel = PixelAt(0, 0);
    FillPixels({0, 0, 1, 1}, kept);
    return pixel;
}
