#include "Surface.h"

CSurface::CSurface(HWND owner)
    : owner(owner), memDC(nullptr), bitmap(nullptr), width(0), height(0), darkColor(0x00FFFFFF) {}

CSurface::~CSurface() {
    Destroy();
}

bool CSurface::Create(int width, int height) {
    if (memDC != nullptr || width == 0 || height == 0)
        return false;
    this->width = width;
    this->height = height;
    HDC ownerDC = ::GetDC(owner);
    memDC = ::CreateCompatibleDC(ownerDC);
    bitmap = ::CreateCompatibleBitmap(ownerDC, width, height);
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
    CopyUpdateRect(paint);
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

void CSurface::CopyUpdateRect(const PAINTSTRUCT& paint) {
    const RECT& r = paint.rcPaint;
    ::BitBlt(paint.hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, memDC, r.left, r.top, SRCCOPY);
}
