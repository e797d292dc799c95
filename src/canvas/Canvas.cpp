#include "Canvas.h"
#include "PaletteSelect.h"

CCanvas::CCanvas(HWND owner) : CSurface(owner), lightColor(0x00FFFFFF), readDisplayBits(&OwnerDisplayBits) {}

int CCanvas::OwnerDisplayBits(HWND owner) {
    HDC dc = ::GetDC(owner);
    int bits = ::GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(owner, dc);
    return bits;
}

CCanvas::~CCanvas() {
    palette.Reset();
}

void CCanvas::Paint() {
    PAINTSTRUCT paint;
    ::BeginPaint(owner, &paint);
    {
        CPaletteSelect selected(paint.hdc, palette.handle, true);
        CopyUpdateRect(paint, palette.handle != nullptr);
    }
    ::EndPaint(owner, &paint);
}

CPaletteSelect CCanvas::UsePalette() {
    palette.Create(0);
    SetColorTable(palette.entries);
    return CPaletteSelect(memDC, palette.handle, false);
}

void CCanvas::FillSolid(const RECT& rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(memDC, &rect, brush);
    ::DeleteObject(brush);
}
