#include "Canvas.h"
#include "ClipRegion.h"
#include "LayerClip.h"
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

// The rectangle FillRect fills for these corners. An inverted one is filled as a blit of negative size
// is: mirrored about its first corner, which it keeps (left 3, right 1 fills columns 2 and 3).
RECT Filled(const RECT& r) {
    const auto span = [](LONG from, LONG to, LONG& low, LONG& high) {
        low = from <= to ? from : to + 1;
        high = from <= to ? to : from + 1;
    };
    RECT filled;
    span(r.left, r.right, filled.left, filled.right);
    span(r.top, r.bottom, filled.top, filled.bottom);
    return filled;
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
    const POINT blocks[5] = {{m, m},
                             {w - 4 * u - m, m},
                             {m, h - 3 * u - m},
                             {w - 4 * u - m, h - 3 * u - m},
                             {cx - 2 * u, cy - (3 * u) / 2}};
    const bool mirrored[5][2] = {{false, false}, {true, false}, {false, true}, {true, true}, {true, false}};

    palette.Reset();
    for (int level : ringLevels)
        palette.AddColor(RGB(level, level, level));
    CPaletteSelect selected = UsePalette();

    // The grid: the background with the vertical lines is the same in every row, and each horizontal
    // line the same in every column. Which columns and rows GDI's 2-pixel pen takes is GDI's to say, so
    // the vertical lines are drawn in the middle row and the horizontal ones down the middle column, and
    // read back as layers for the whole canvas.
    std::vector<Layer> layers;
    {
        CBrush background(::CreateSolidBrush(PALETTEINDEX(2)));
        CPen gridPen(::CreatePen(PS_SOLID, 2, PALETTEINDEX(3)));
        CGdiSelect selectedPen(memDC, gridPen);
        const auto drawAlong = [&](const RECT& strip, bool vertical) {
            ::FillRect(memDC, &strip, background);
            CRegion region(::CreateRectRgnIndirect(&strip));
            CClipRegion clipped(memDC, region);
            const int centre = vertical ? cx : cy, extent = vertical ? w : h;
            // Only the strip is kept, so each line runs just past it (a line of the whole height costs
            // GDI a row of work for every row); an end near the strip stays where it is, cap and all.
            const int across = vertical ? cy : cx, length = vertical ? h : w, reach = 4;
            const int from = std::max(0, across - reach), to = std::min(length, across + reach);
            const auto line = [&](int at) {
                if (vertical)
                    Line(memDC, at, from, at, to);
                else
                    Line(memDC, from, at, to, at);
            };
            // With a step of 0 (a shorter side below 10) only the centre lines are drawn.
            for (int k = 0, at = centre - 1; at > 0; ++k, at = centre - 1 - k * s) {
                line(at);
                if (s == 0)
                    break;
            }
            for (int k = 1, at = centre + 1 + s; at < extent && s > 0; ++k, at = centre + 1 + k * s)
                line(at);
        };
        drawAlong({0, cy, w, cy + 1}, true);
        layers.push_back(Layer::Columns({0, 0, w, h}, PixelsOfRow(cy)));
        drawAlong({cx, 0, cx + 1, h}, false);
        const std::vector<UINT32> column = PixelsOfColumn(cx);
        const UINT32 grid = PalettePixel(3);
        for (int y = 0; y < h; ++y)
            if (column[y] == grid) {
                const int top = y;
                while (y + 1 < h && column[y + 1] == grid)
                    ++y;
                layers.push_back(Layer::Fill({0, top, w, y + 1}, grid));
            }
    }

    // The grating blocks, the cells, the inner cells and the bars go in over the grid as layers, each
    // over the ones before, and every pixel is written once. The percentages, which come between the
    // cells and the inner cells, are drawn afterwards, clipped to stay under the layers after them.
    for (int i = 0; i < 5; ++i)
        for (Layer& square : GratingBlockLayers(u, blocks[i].x, blocks[i].y, mirrored[i][0], mirrored[i][1]))
            layers.push_back(std::move(square));
    for (const Cell& cell : cells)
        layers.push_back(Layer::Fill(Filled(CellRect(cell, cx, cy, s)), PalettePixel(cell.paletteIndex)));
    const size_t overText = layers.size();
    const int innerCells[2] = {0, 13};
    for (int i = 0; i < 2; ++i) {
        const RECT c = CellRect(cells[innerCells[i]], cx, cy, s);
        const int left = c.left + (c.right - c.left) / 4, top = c.top + (c.bottom - c.top) / 4;
        layers.push_back(
            Layer::Fill(Filled({left, top, left + (c.right - c.left) / 2, top + (c.bottom - c.top) / 2}),
                        PalettePixel(15 + i)));
    }
    const RECT bars[4] = {{barLeft, upperTop, w - barLeft, upperTop + barHeight},
                          {coreLeft, upperTop + coreInset, w - coreLeft, upperTop + coreInset + coreHeight},
                          {barLeft, lowerTop, w - barLeft, lowerTop + barHeight},
                          {coreLeft, lowerTop + coreInset, w - coreLeft, lowerTop + coreInset + coreHeight}};
    const int barColors[4] = {1, 0, 0, 1};
    for (int i = 0; i < 4; ++i)
        layers.push_back(Layer::Fill(Filled(bars[i]), PalettePixel(barColors[i])));
    Compose(layers);

    // A font of height 0 would be the system's default size, far too big for so small a canvas.
    if (fh > 0) {
        CLayerClip clipped(memDC, layers, overText);
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

    {
        CPen framePen(::CreatePen(PS_SOLID, frameWidth, PALETTEINDEX(3)));
        CGdiSelect selectedPen(memDC, framePen);
        CGdiSelect selectedBrush(memDC, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(memDC, m, m, w - m, h - m);
    }
}
