// A lit cell stepping along a row, and a ladder of ticks for a camera that follows the motion; written
// row by row, whole or only the cells and rungs that change.
#include "FrameSteps.h"
#include <algorithm>

namespace {

RECT Cell(int i, int w, int h) {
    return {i * w / 16, h / 8, std::max(i * w / 16, (i + 1) * w / 16 - 1), h / 4};
}

RECT Rung(int j, int w, int h) {
    return {0, (8 + j) * h / 16, w, (9 + j) * h / 16};
}

// The row of the cells with cell `lit` white.
std::vector<UINT32> CellRow(CCanvas& canvas, int lit) {
    const int w = canvas.width, h = canvas.height;
    std::vector<UINT32> row(static_cast<size_t>(w), canvas.PalettePixel(0));
    for (int i = 0; i < 16; ++i) {
        const RECT cell = Cell(i, w, h);
        std::fill(row.begin() + cell.left, row.begin() + cell.right, canvas.PalettePixel(i == lit ? 2 : 1));
    }
    return row;
}

// A rung's row: white every 64 columns from x on, 8 wide, round the right edge; black elsewhere.
std::vector<UINT32> TickRow(CCanvas& canvas, long long x) {
    const int w = canvas.width;
    std::vector<UINT32> row(static_cast<size_t>(w), canvas.PalettePixel(0));
    const UINT32 white = canvas.PalettePixel(2);
    for (long long d = 0; d < w; d += 64) // d = (c - x) mod w
        for (long long i = d; i < d + 8 && i < w; ++i)
            row[static_cast<size_t>((x + i) % w)] = white;
    return row;
}

void Rows(CCanvas& canvas, int top, int bottom, const std::vector<UINT32>& row) {
    canvas.WriteRowCycle(top, bottom, std::vector<std::vector<UINT32>>(1, row));
}

} // namespace

std::vector<RECT> DrawFrameSteps(CCanvas& canvas, long long n, int p, long long over) {
    const int w = canvas.width, h = canvas.height;
    std::vector<RECT> wrote;
    if (w == 0 || h == 0 || over == n)
        return wrote;
    const long long x = (n % w) * (p % w) % w;
    const int lit = static_cast<int>(n % 16), rung = static_cast<int>(n % 4);
    if (over < 0) {
        canvas.palette.Reset();
        for (int level : {0, 32, 255})
            canvas.palette.AddColor(RGB(level, level, level));
        CPaletteSelect selected = canvas.UsePalette();
        const std::vector<UINT32> black(static_cast<size_t>(w), canvas.PalettePixel(0));
        // Black, the cells, black, the four rungs (one lit), black: each row written once.
        const RECT cells = Cell(0, w, h);
        Rows(canvas, 0, cells.top, black);
        Rows(canvas, cells.top, cells.bottom, CellRow(canvas, lit));
        Rows(canvas, cells.bottom, Rung(0, w, h).top, black);
        for (int j = 0; j < 4; ++j)
            Rows(canvas, Rung(j, w, h).top, Rung(j, w, h).bottom, j == rung ? TickRow(canvas, x) : black);
        Rows(canvas, Rung(3, w, h).bottom, h, black);
        wrote.push_back({0, 0, w, h});
        return wrote;
    }
    // The cells where one went dark and one lit, the rung that went dark and the one lit.
    const int was = static_cast<int>(over % 16);
    const RECT cellsNow = Cell(lit, w, h), cellsWas = Cell(was, w, h);
    const RECT changed = {std::min(cellsNow.left, cellsWas.left), cellsNow.top,
                          std::max(cellsNow.right, cellsWas.right), cellsNow.bottom};
    const std::vector<UINT32> row = CellRow(canvas, lit);
    const std::vector<UINT32> piece(row.begin() + changed.left, row.begin() + changed.right);
    for (int y = changed.top; y < changed.bottom; ++y)
        canvas.WriteRow(y, changed.left, piece);
    wrote.push_back(changed);
    const RECT dark = Rung(static_cast<int>(over % 4), w, h), lit4 = Rung(rung, w, h);
    if (!::EqualRect(&dark, &lit4)) {
        canvas.FillPixels(dark, canvas.PalettePixel(0));
        wrote.push_back(dark);
    }
    Rows(canvas, lit4.top, lit4.bottom, TickRow(canvas, x));
    wrote.push_back(lit4);
    return wrote;
}
