// GDI drawing composed into a 10-bit image, only where it painted.
#include "PaintOverDeep.h"
#include "DibPicture.h"
#include <algorithm>

namespace {

// Each code's 8-bit level and each level's code, looked up: a help box has a million pixels.
struct Levels {
    BYTE eight[1024];
    UINT32 ten[256];
    Levels() {
        for (int c = 0; c < 1024; ++c)
            eight[c] = static_cast<BYTE>(EightBitLevel(c));
        for (int v = 0; v < 256; ++v)
            ten[v] = static_cast<UINT32>(TenBitCode(v));
    }
};
const Levels levels;

// A 10-bit pixel as an 8-bit path shows it, as GDI stores it (0x00RRGGBB).
UINT32 Narrowed(UINT32 p) {
    return (static_cast<UINT32>(levels.eight[p & 0x3FF]) << 16) |
           (static_cast<UINT32>(levels.eight[(p >> 10) & 0x3FF]) << 8) | levels.eight[(p >> 20) & 0x3FF];
}

UINT32 Widened(UINT32 gdi) {
    return 0xC0000000u | (levels.ten[gdi & 0xFF] << 20) | (levels.ten[(gdi >> 8) & 0xFF] << 10) |
           levels.ten[(gdi >> 16) & 0xFF];
}

} // namespace

void PaintOverDeep(const CDeepImage& picture, CDeepImage& shown, const RECT& area,
                   const std::function<void(HDC dc)>& paint, bool opaque) {
    const RECT whole = {0, 0, picture.width, picture.height};
    RECT r;
    if (!::IntersectRect(&r, &area, &whole))
        return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    CDibPicture over(w, h), inverse(opaque ? 0 : w, opaque ? 0 : h);
    if (over.pixels == nullptr || (!opaque && inverse.pixels == nullptr))
        return;
    // Under an opaque drawing nothing of the picture shows: it is not looked at.
    for (int y = 0; y < h && !opaque; ++y) {
        const UINT32* row = picture.Row(r.top + y) + r.left;
        for (int x = 0; x < w; ++x) {
            over.pixels[y * w + x] = Narrowed(row[x]);
            inverse.pixels[y * w + x] = over.pixels[y * w + x] ^ 0xFFFFFF;
        }
    }
    for (HDC dc : {over.dc, inverse.dc}) {
        if (dc == inverse.dc && opaque)
            break;
        ::SetViewportOrgEx(dc, -r.left, -r.top, nullptr);
        paint(dc);
    }
    ::GdiFlush();
    for (int y = 0; y < h; ++y) {
        const UINT32* under = picture.Row(r.top + y) + r.left;
        UINT32* row = shown.Row(r.top + y) + r.left;
        const UINT32* first = over.pixels + static_cast<size_t>(y) * w;
        if (opaque) {
            for (int x = 0; x < w; ++x)
                row[x] = Widened(first[x]);
            continue;
        }
        const UINT32* second = inverse.pixels + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            const UINT32 narrowed = Narrowed(under[x]);
            const bool painted =
                (first[x] & 0xFFFFFF) != narrowed || (second[x] & 0xFFFFFF) != (narrowed ^ 0xFFFFFF);
            row[x] = painted ? Widened(first[x]) : under[x];
        }
    }
}
