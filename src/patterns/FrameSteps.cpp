// A lit cell stepping along a row, and a ladder of ticks for a camera that follows the motion.
#include "FrameSteps.h"
#include <algorithm>

namespace {

RECT Cell(int i, int w, int h) {
    return {i * w / 16, h / 8, std::max(i * w / 16, (i + 1) * w / 16 - 1), h / 4};
}

RECT Rung(int j, int w, int h) {
    return {0, (8 + j) * h / 16, w, (9 + j) * h / 16};
}

} // namespace

std::vector<RECT> DrawFrameSteps(CCanvas& canvas, long long n, int p, long long over) {
    const int w = canvas.width, h = canvas.height;
    std::vector<RECT> wrote;
    if (w == 0 || h == 0 || over == n)
        return wrote;
    if (over < 0) {
        canvas.palette.Reset();
        for (int level : {0, 32, 255})
            canvas.palette.AddColor(RGB(level, level, level));
        CPaletteSelect selected = canvas.UsePalette();
        canvas.FillPixels({0, 0, w, h}, canvas.PalettePixel(0));
        for (int i = 0; i < 16; ++i)
            canvas.FillPixels(Cell(i, w, h), canvas.PalettePixel(1));
        wrote.push_back({0, 0, w, h});
    } else {
        // The cell and the rung of the frame shown go dark.
        const RECT cell = Cell(static_cast<int>(over % 16), w, h),
                   rung = Rung(static_cast<int>(over % 4), w, h);
        canvas.FillPixels(cell, canvas.PalettePixel(1));
        canvas.FillPixels(rung, canvas.PalettePixel(0));
        wrote.push_back(cell);
        wrote.push_back(rung);
    }
    const RECT cell = Cell(static_cast<int>(n % 16), w, h), rung = Rung(static_cast<int>(n % 4), w, h);
    canvas.FillPixels(cell, canvas.PalettePixel(2));
    // The rung's ticks: every 64 columns from X on, 8 wide, round the right edge.
    const long long x = (n % w) * (p % w) % w;
    std::vector<UINT32> row(static_cast<size_t>(w));
    for (int c = 0; c < w; ++c)
        row[static_cast<size_t>(c)] = canvas.PalettePixel((((c - x) % w + w) % w) % 64 < 8 ? 2 : 0);
    if (rung.bottom > rung.top)
        canvas.WriteRowCycle(rung.top, rung.bottom, std::vector<std::vector<UINT32>>(1, row));
    wrote.push_back(cell);
    wrote.push_back(rung);
    return wrote;
}
