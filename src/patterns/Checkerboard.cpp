#include "Canvas.h"
#include <algorithm>
#include <vector>

void CCanvas::DrawCheckerboard(bool inverted) {
    const int w = width, h = height;
    palette.Reset();
    palette.AddColor(RGB(0, 0, 0));
    palette.AddColor(RGB(255, 255, 255));
    CPaletteSelect selected = UsePalette();

    for (int r = 0; r < 4; ++r) {
        std::vector<UINT32> row(w);
        for (int c = 0; c < 4; ++c) {
            const bool white = ((c + r) % 2 == 0) != inverted;
            std::fill(row.begin() + c * w / 4, row.begin() + (c + 1) * w / 4, PalettePixel(white ? 1 : 0));
        }
        WriteRowCycle(r * h / 4, (r + 1) * h / 4, std::vector<std::vector<UINT32>>(1, row));
    }
}
