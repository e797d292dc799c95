// A pattern window's canvas and overlay, painted through GDI.
#include "GdiOutput.h"
#include "DibPicture.h"
#include <algorithm>
#include <cstring>

std::vector<RECT> MergedRects(std::vector<RECT> rects) {
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < rects.size() && !merged; ++i)
            for (size_t j = i + 1; j < rects.size() && !merged; ++j) {
                RECT common;
                if (::IntersectRect(&common, &rects[i], &rects[j])) {
                    ::UnionRect(&rects[i], &rects[i], &rects[j]);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
    }
    return rects;
}

CGdiOutput::CGdiOutput(HWND window, CCanvas& canvas) : window(window), canvas(canvas) {}

bool CGdiOutput::Show(const std::vector<RECT>& changed, const Overlay& next) {
    for (const RECT& r : changed)
        ::InvalidateRect(window, &r, TRUE);
    if (next != overlay) {
        for (const OverlayArea& area : areas)
            ::InvalidateRect(window, &area.rect, TRUE);
        overlay = next;
        areas = OverlayAreas(overlay);
        for (const OverlayArea& area : areas)
            ::InvalidateRect(window, &area.rect, TRUE);
    }
    return ::UpdateWindow(window) != 0;
}

void CGdiOutput::Paint(const PAINTSTRUCT& paint) {
    HDC dc = paint.hdc;
    if (canvas.bitsPerPixel != 32 || canvas.bits == nullptr) {
        canvas.PaintTo(paint);
        PaintOverlay(dc, overlay);
        return;
    }
    // The canvas where no overlay lies, then each of the overlay's rectangles composed beside it.
    const int saved = ::SaveDC(dc);
    for (const OverlayArea& area : areas)
        ::ExcludeClipRect(dc, area.rect.left, area.rect.top, area.rect.right, area.rect.bottom);
    canvas.PaintTo(paint);
    ::RestoreDC(dc, saved);
    const RECT whole = {0, 0, canvas.width, canvas.height};
    for (const OverlayArea& area : areas) {
        RECT r = area.rect, part;
        if (!::IntersectRect(&r, &r, &whole) || !::IntersectRect(&part, &r, &paint.rcPaint))
            continue;
        const int w = r.right - r.left, h = r.bottom - r.top;
        CDibPicture scratch(w, h);
        if (scratch.pixels == nullptr)
            continue;
        ::GdiFlush();
        for (int y = 0; y < h; ++y)
            std::memcpy(scratch.pixels + static_cast<size_t>(y) * w,
                        static_cast<const BYTE*>(canvas.bits) +
                            static_cast<size_t>(r.top + y) * canvas.stride + static_cast<size_t>(r.left) * 4,
                        static_cast<size_t>(w) * 4);
        ::SetViewportOrgEx(scratch.dc, -r.left, -r.top, nullptr);
        PaintOverlay(scratch.dc, overlay);
        ::SetViewportOrgEx(scratch.dc, 0, 0, nullptr);
        ::BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, scratch.dc,
                 part.left - r.left, part.top - r.top, SRCCOPY);
    }
}
