#pragma once
#include <windows.h>

// A 32-bit top-down DIB section of width x height in a memory DC of its own, for GDI to draw into and
// the program to read (`pixels`, 0x00RRGGBB, rows end to end; null where it could not be made). The
// bitmap is put out of the DC and both deleted when it goes.
class CDibPicture {
  public:
    CDibPicture(int width, int height) : dc(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<UINT32*>(bits);
        if (bitmap != nullptr)
            previous = ::SelectObject(dc, bitmap);
    }
    ~CDibPicture() {
        if (bitmap != nullptr) {
            ::SelectObject(dc, previous);
            ::DeleteObject(bitmap);
        }
        ::DeleteDC(dc);
    }
    CDibPicture(const CDibPicture&) = delete;
    CDibPicture& operator=(const CDibPicture&) = delete;

    HDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    UINT32* pixels = nullptr;
};
