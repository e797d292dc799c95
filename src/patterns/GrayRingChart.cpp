#include "Canvas.h"
#include "ClipRegion.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include "Line.h"
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Percentage grays first, then the stripe grays of the grating blocks, then 5% and 95%.
const int ringLevels[17] = {0, 255, 127, 191, 25, 51, 76, 102, 153, 178, 204, 229, 130, 122, 135, 12, 242};

enum Column { X1, X2, X3, X4, X5, X6 };
enum Row { Y1, Y2, Y3, Y4 };

struct Cell {
    Column column;
    Row row;
    int paletteIndex;
};

// In fill order: up the left side, across the top, down the right side.
const Cell cells[14] = {{X2, Y4, 0},  {X1, Y4, 0},  {X1, Y3, 4}, {X1, Y2, 5}, {X1, Y1, 6},
                        {X2, Y1, 7},  {X3, Y1, 2},  {X4, Y1, 2}, {X5, Y1, 8}, {X6, Y1, 9},
                        {X6, Y2, 10}, {X6, Y3, 11}, {X6, Y4, 1}, {X5, Y4, 1}};

RECT CellRect(const Cell& cell, int cx, int cy, int s) {
    const int xs[6][2] = {
        {cx - 3 * s, cx - 2 * s - 2}, {cx - 2 * s, cx - s - 2},    {cx - s, cx - 2}, {cx, cx + s},
        {cx + s + 2, cx + 2 * s},     {cx + 2 * s + 2, cx + 3 * s}};
    const int ys[4][2] = {{cy - 2 * s, cy - s - 2}, {cy - s, cy - 2}, {cy, cy + s}, {cy + s + 2, cy + 2 * s}};
    return {xs[cell.column][0], ys[cell.row][0], xs[cell.column][1], ys[cell.row][1]};
}

void Text(HDC dc, int x, int y, const char* text) {
    ::TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

} // namespace

void CCanvas::DrawGrayRingChart() {
    const int w = width, h = height;
    const int shorter = std::min(w, h);
    const int s = shorter / 10, cx = w / 2, cy = h / 2, u = shorter / 16, m = h / 100;
    const int fh = shorter / 100, fw = fh / 2;
    const int barLeft = w / 10, coreLeft = (3 * w) / 10, barCentre = ((h / 10) * 5) / 2;
    const int coreHeight = h / 25, barHeight = (2 * h) / 25, coreInset = h / 50;
    const int frameWidth = std::max(h / 200, 2);

    const int upperTop = barCentre - coreHeight, lowerTop = h - coreHeight - barCentre;
    // Where the grating blocks, the cells and the bars go: every pixel of them is written afresh, so
    // the background need not be.
    const POINT blocks[5] = {{m, m}, {w - 4 * u - m, m}, {m, h - 3 * u - m}, {w - 4 * u - m, h - 3 * u - m},
                             {cx - 2 * u, cy - (3 * u) / 2}};
    std::vector<RECT> covered;
    for (const POINT& block : blocks)
        if (u > 0)
            covered.push_back({block.x, block.y, block.x + 4 * u, block.y + 3 * u});
    for (const Cell& cell : cells)
        covered.push_back(CellRect(cell, cx, cy, s));
    covered.push_back({barLeft, upperTop, w - barLeft, upperTop + barHeight});
    covered.push_back({barLeft, lowerTop, w - barLeft, lowerTop + barHeight});

    palette.Reset();
    for (int level : ringLevels)
        palette.AddColor(RGB(level, level, level));
    CPaletteSelect selected = UsePalette();

    // The background with the vertical grid lines is the same in every row: the middle row is drawn
    // (the lines clipped to it) and copied to all the others; the horizontal lines come after.
    {
        CBrush background(::CreateSolidBrush(PALETTEINDEX(2)));
        CGdiSelect selectedBrush(memDC, background);
        RECT middle = {0, cy, w, cy + 1};
        ::FillRect(memDC, &middle, background);
    }

    {
        CPen gridPen(::CreatePen(PS_SOLID, 2, PALETTEINDEX(3)));
        CGdiSelect selectedPen(memDC, gridPen);
        {
            CRegion middle(::CreateRectRgn(0, cy, w, cy + 1));
            CClipRegion clipped(memDC, middle);
            // With a step of 0 (a shorter side below 10) only the centre lines are drawn.
            for (int k = 0, x = cx - 1; x > 0; ++k, x = cx - 1 - k * s) {
                Line(memDC, x, 0, x, h);
                if (s == 0)
                    break;
            }
            for (int k = 1, x = cx + 1 + s; x < w && s > 0; ++k, x = cx + 1 + k * s)
                Line(memDC, x, 0, x, h);
        }
        CopyRowDown({0, 0, w, h}, cy, covered);
        for (int k = 0, y = cy - 1; y > 0; ++k, y = cy - 1 - k * s) {
            Line(memDC, 0, y, w, y);
            if (s == 0)
                break;
        }
        for (int k = 1, y = cy + 1 + s; y < h && s > 0; ++k, y = cy + 1 + k * s)
            Line(memDC, 0, y, w, y);
    }

    const bool mirrored[5][2] = {{false, false}, {true, false}, {false, true}, {true, true}, {true, false}};
    for (int i = 0; i < 5; ++i)
        DrawGratingBlock(u, blocks[i].x, blocks[i].y, mirrored[i][0], mirrored[i][1]);

    for (const Cell& cell : cells)
        FillSolid(CellRect(cell, cx, cy, s), PALETTEINDEX(cell.paletteIndex));

    // A font of height 0 would be the system's default size, far too big for so small a canvas.
    if (fh > 0) {
        LOGFONTA logFont = {};
        logFont.lfHeight = fh;
        logFont.lfWidth = fw;
        logFont.lfWeight = FW_NORMAL;
        logFont.lfCharSet = ANSI_CHARSET;
        CFont font(::CreateFontIndirectA(&logFont));
        CGdiSelect selectedFont(memDC, font);
        const COLORREF previousColor = ::SetTextColor(memDC, PALETTEINDEX(1));
        ::SetBkMode(memDC, TRANSPARENT);
        CPen white(::CreatePen(PS_SOLID, 1, PALETTEINDEX(1)));
        CGdiSelect selectedPen(memDC, white);

        const char* percent[14] = {nullptr, "0%",  "10%", "20%", "30%", "40%",  "50%",
                                   "50%",   "60%", "70%", "80%", "90%", "100%", nullptr};
        for (int i = 1; i <= 12; ++i) {
            const RECT c = CellRect(cells[i], cx, cy, s);
            const int midX = c.left + (c.right - c.left) / 2;
            const int centredY = c.top + (c.bottom - c.top) / 2 - fh / 2;
            if (i == 1)
                Text(memDC, c.left - 4 * fw, centredY, percent[i]);
            else if (i <= 4)
                Text(memDC, c.left - 5 * fw, centredY, percent[i]);
            else if (i <= 8)
                Text(memDC, midX - (3 * fw) / 2, c.top - fh, percent[i]);
            else if (i <= 11)
                Text(memDC, c.right + 2 * fw, centredY, percent[i]);
            else
                Text(memDC, c.right + fw, centredY, percent[i]);
        }
        const RECT c0 = CellRect(cells[0], cx, cy, s);
        const int mid0 = c0.left + (c0.right - c0.left) / 2;
        Text(memDC, mid0 - fw, c0.top - 2 * fh, "5%");
        Text(memDC, mid0 - fw / 2, c0.top - 3 * fh, "0");
        Line(memDC, mid0 - (3 * fw) / 2, c0.top - 2 * fh - 1, mid0 + 2 * fw, c0.top - 2 * fh - 1);
        const RECT c13 = CellRect(cells[13], cx, cy, s);
        const int mid13 = c13.left + (c13.right - c13.left) / 2;
        Text(memDC, mid13 - (3 * fw) / 2, c13.top - 2 * fh, "95%");
        Text(memDC, mid13 - (3 * fw) / 2, c13.top - 3 * fh, "100");
        Line(memDC, mid13 - 2 * fw, c13.top - 2 * fh - 1, mid13 + 3 * fw, c13.top - 2 * fh - 1);

        ::SetTextColor(memDC, previousColor);
    }

    const int innerCells[2] = {0, 13};
    for (int i = 0; i < 2; ++i) {
        const RECT c = CellRect(cells[innerCells[i]], cx, cy, s);
        const int left = c.left + (c.right - c.left) / 4, top = c.top + (c.bottom - c.top) / 4;
        FillSolid({left, top, left + (c.right - c.left) / 2, top + (c.bottom - c.top) / 2},
                  PALETTEINDEX(15 + i));
    }

    FillSolid({barLeft, upperTop, w - barLeft, upperTop + barHeight}, PALETTEINDEX(1));
    FillSolid({coreLeft, upperTop + coreInset, w - coreLeft, upperTop + coreInset + coreHeight},
              PALETTEINDEX(0));
    FillSolid({barLeft, lowerTop, w - barLeft, lowerTop + barHeight}, PALETTEINDEX(0));
    FillSolid({coreLeft, lowerTop + coreInset, w - coreLeft, lowerTop + coreInset + coreHeight},
              PALETTEINDEX(1));

    {
        CPen framePen(::CreatePen(PS_SOLID, frameWidth, PALETTEINDEX(3)));
        CGdiSelect selectedPen(memDC, framePen);
        CGdiSelect selectedBrush(memDC, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(memDC, m, m, w - m, h - m);
    }
}
