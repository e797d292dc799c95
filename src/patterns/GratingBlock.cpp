#include "Canvas.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include "Line.h"
#include <algorithm>

int CCanvas::MirrorCoordinate(bool flag, int extent, int v) {
    return flag ? extent - v - 1 : v;
}

void CCanvas::DrawMirroredLine(HDC hdc, int left, int top, bool mirrorX, bool mirrorY, int blockWidth,
                               int blockHeight, int x1, int y1, int x2, int y2) {
    Line(hdc, left + MirrorCoordinate(mirrorX, blockWidth, x1),
         top + MirrorCoordinate(mirrorY, blockHeight, y1), left + MirrorCoordinate(mirrorX, blockWidth, x2),
         top + MirrorCoordinate(mirrorY, blockHeight, y2));
}

void CCanvas::DrawGratingBlock(int u, int left, int top, bool mirrorX, bool mirrorY) {
    const int bw = 4 * u, bh = 3 * u;
    // Block-local lines: horizontal at y over [a, b), vertical at x over [a, b).
    auto horizontal = [&](int y, int a, int b) {
        DrawMirroredLine(memDC, left, top, mirrorX, mirrorY, bw, bh, a, y, b, y);
    };
    auto vertical = [&](int x, int a, int b) {
        DrawMirroredLine(memDC, left, top, mirrorX, mirrorY, bw, bh, x, a, x, b);
    };

    {
        CBrush fill(::CreateSolidBrush(PALETTEINDEX(0)));
        CGdiSelect selectedBrush(memDC, fill);
        RECT block = {left, top, left + bw, top + bh};
        ::FillRect(memDC, &block, fill);
    }

    {
        CPen white(::CreatePen(PS_SOLID, 1, PALETTEINDEX(1)));
        CGdiSelect selectedPen(memDC, white);
        for (int i = 1; i <= u - 1; i += 2) {
            horizontal(i, 0, u);
            vertical(u + i, 0, u);
        }
        // A pair cut by the square's edge is left out whole.
        for (int p = 1; p + 1 <= u - 1; p += 4) {
            horizontal(u + p, 0, u);
            horizontal(u + p + 1, 0, u);
            vertical(u + p, u, 2 * u);
            vertical(u + p + 1, u, 2 * u);
        }
        // A triple cut by the square's edge keeps the lines that fit.
        for (int q = 1; q <= u; q += 6) {
            const int count = std::min(3, u - q);
            for (int c = 0; c < count; ++c)
                horizontal(2 * u + q + c, 0, u);
            for (int c = 0; c < count; ++c)
                vertical(u + q + c, 2 * u, 3 * u);
        }
    }

    const COLORREF firstStripe[3] = {PALETTEINDEX(12), PALETTEINDEX(12), PALETTEINDEX(14)};
    const COLORREF secondStripe[3] = {PALETTEINDEX(2), PALETTEINDEX(13), PALETTEINDEX(13)};
    for (int r = 0; r < 3; ++r) {
        CPen first(::CreatePen(PS_SOLID, 1, firstStripe[r]));
        CPen second(::CreatePen(PS_SOLID, 1, secondStripe[r]));
        CGdiSelect selectedPen(memDC, first);
        for (int j = 0; j < u; ++j) {
            if (j % 4 == 0)
                ::SelectObject(memDC, first);
            else if (j % 4 == 2)
                ::SelectObject(memDC, second);
            horizontal(r * u + j, 2 * u, 3 * u);
            vertical(3 * u + j, r * u, (r + 1) * u);
        }
    }
}
