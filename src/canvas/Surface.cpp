#include "Surface.h"
#include <algorithm>

namespace {

// A top-down DIB header with room for a 256-entry colour table (RGBQUADs, or WORDs for DIB_PAL_COLORS).
std::vector<BYTE> DibHeader(int width, int height, int bitsPerPixel) {
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFOHEADER& info = *reinterpret_cast<BITMAPINFOHEADER*>(header.data());
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.biCompression = BI_RGB;
    info.biClrUsed = bitsPerPixel == 8 ? 256 : 0;
    return header;
}

} // namespace

CSurface::CSurface(HWND owner)
    : readPaletteDisplay(&OwnerUsesPalette), owner(owner), memDC(nullptr), bitmap(nullptr), width(0),
      height(0), darkColor(0x00FFFFFF), bitsPerPixel(32), bits(nullptr), stride(0) {}

CSurface::~CSurface() {
    Destroy();
}

bool CSurface::OwnerUsesPalette(HWND owner) {
    HDC dc = ::GetDC(owner);
    const bool palette = (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ::ReleaseDC(owner, dc);
    return palette;
}

bool CSurface::Create(int width, int height) {
    if (memDC != nullptr || width == 0 || height == 0)
        return false;
    this->width = width;
    this->height = height;
    bitsPerPixel = readPaletteDisplay(owner) ? 8 : 32;
    stride = ((width * bitsPerPixel + 31) / 32) * 4;
    std::vector<BYTE> header = DibHeader(width, height, bitsPerPixel);
    if (bitsPerPixel == 8) {
        // Until a pattern sets its palette: black and white, so that the first fills are exact.
        RGBQUAD* table = reinterpret_cast<BITMAPINFO*>(header.data())->bmiColors;
        table[1] = {255, 255, 255, 0};
        indexHeader = DibHeader(width, height, 8);
        WORD* indices = reinterpret_cast<WORD*>(reinterpret_cast<BITMAPINFO*>(indexHeader.data())->bmiColors);
        for (WORD i = 0; i < 256; ++i)
            indices[i] = i;
    }
    HDC ownerDC = ::GetDC(owner);
    memDC = ::CreateCompatibleDC(ownerDC);
    bitmap = ::CreateDIBSection(ownerDC, reinterpret_cast<BITMAPINFO*>(header.data()), DIB_RGB_COLORS, &bits,
                                nullptr, 0);
    ::ReleaseDC(owner, ownerDC);
    ::SelectObject(memDC, bitmap);
    return Fill(darkColor);
}

void CSurface::Destroy() {
    if (memDC == nullptr)
        return;
    ::DeleteDC(memDC);
    ::DeleteObject(bitmap);
    memDC = nullptr;
    bitmap = nullptr;
    bits = nullptr;
}

bool CSurface::Resize(int width, int height) {
    if (width == this->width && height == this->height)
        return true;
    Destroy();
    return Create(width, height);
}

void CSurface::Paint() {
    PAINTSTRUCT paint;
    ::BeginPaint(owner, &paint);
    CopyUpdateRect(paint, false);
    ::EndPaint(owner, &paint);
}

bool CSurface::Fill(COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    if (brush == nullptr)
        return false;
    RECT all = {0, 0, width, height};
    ::FillRect(memDC, &all, brush);
    ::DeleteObject(brush);
    return true;
}

void CSurface::CopyUpdateRect(const PAINTSTRUCT& paint, bool throughPalette) {
    const RECT& r = paint.rcPaint;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (bitsPerPixel == 8 && throughPalette && bits != nullptr) {
        // Each index goes to the screen as that entry of the realized palette, never as the nearest of
        // some other colour table.
        ::GdiFlush();
        ::StretchDIBits(paint.hdc, r.left, r.top, w, h, r.left, r.top, w, h, bits,
                        reinterpret_cast<BITMAPINFO*>(indexHeader.data()), DIB_PAL_COLORS, SRCCOPY);
        return;
    }
    ::BitBlt(paint.hdc, r.left, r.top, w, h, memDC, r.left, r.top, SRCCOPY);
}

void CSurface::SetColorTable(const std::vector<COLORREF>& colors) {
    if (bitsPerPixel != 8 || memDC == nullptr)
        return;
    RGBQUAD table[256] = {};
    const size_t n = std::min<size_t>(colors.size(), 256);
    for (size_t i = 0; i < n; ++i)
        table[i] = {GetBValue(colors[i]), GetGValue(colors[i]), GetRValue(colors[i]), 0};
    ::SetDIBColorTable(memDC, 0, 256, table);
}
