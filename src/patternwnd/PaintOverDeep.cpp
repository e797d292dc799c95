// GDI drawing composed into a 10-bit image, only where it painted.
#include "PaintOverDeep.h"
#include <algorithm>

namespace {

// A 32-bit top-down DIB section in a memory DC of its own, for GDI to draw into.
class CDibPicture {
  public:
    CDibPicture(int width, int height)
        : dc(::CreateCompatibleDC(nullptr)), bitmap(nullptr), previous(nullptr) {
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
    HBITMAP bitmap;
    HGDIOBJ previous;
    UINT32* pixels = nullptr;
};

// A 10-bit pixel as an 8-bit path shows it, as GDI stores it (0x00RRGGBB).
UINT32 Narrowed(UINT32 p) {
    return (static_cast<UINT32>(EightBitLevel(p & 0x3FF)) << 16) |
           (static_cast<UINT32>(EightBitLevel((p >> 10) & 0x3FF)) << 8) |
           static_cast<UINT32>(EightBitLevel((p >> 20) & 0x3FF));
}

UINT32 Widened(UINT32 gdi) {
    return DeepPixel(TenBitCode((gdi >> 16) & 0xFF), TenBitCode((gdi >> 8) & 0xFF), TenBitCode(gdi & 0xFF));
}

} // namespace

void PaintOverDeep(CDeepImage& image, const RECT& area, const std::function<void(HDC dc)>& paint) {
    const RECT whole = {0, 0, image.width, image.height};
    RECT r;
    if (!::IntersectRect(&r, &area, &whole))
        return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    // Painted twice: over the area as 8 bits show it, and over its inverse. A pixel that either painting
    // changed was painted, even where it was painted in the very colour it had: in the other picture it
    // changed. Its colour is the first picture's (text blends into what lies under it).
    CDibPicture over(w, h), inverse(w, h);
    if (over.pixels == nullptr || inverse.pixels == nullptr)
        return;
    for (int y = 0; y < h; ++y) {
        const UINT32* row = image.Row(r.top + y) + r.left;
        for (int x = 0; x < w; ++x) {
            over.pixels[y * w + x] = Narrowed(row[x]);
            inverse.pixels[y * w + x] = over.pixels[y * w + x] ^ 0xFFFFFF;
        }
    }
    for (HDC dc : {over.dc, inverse.dc}) {
        ::SetViewportOrgEx(dc, -r.left, -r.top, nullptr);
        paint(dc);
    }
    ::GdiFlush();
    for (int y = 0; y < h; ++y) {
        UINT32* row = image.Row(r.top + y) + r.left;
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            const UINT32 first = over.pixels[i] & 0xFFFFFF, second = inverse.pixels[i] & 0xFFFFFF;
            if (first != Narrowed(row[x]) || second != (Narrowed(row[x]) ^ 0xFFFFFF))
                row[x] = Widened(first);
        }
    }
}
