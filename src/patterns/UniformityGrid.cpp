// A field at one gray level divided into measuring regions by one-pixel lines.
#include "Canvas.h"
#include <algorithm>
#include <vector>

void CCanvas::DrawUniformityGrid(int level, int regions) {
    const int w = width, h = height;
    // The lines stand 64 levels off the field, darker on a light field and lighter on a dark one.
    const int lineLevel = level >= 128 ? level - 64 : level + 64;
    palette.Reset();
    palette.AddColor(RGB(level, level, level));
    palette.AddColor(RGB(lineLevel, lineLevel, lineLevel));
    CPaletteSelect selected = UsePalette();

    std::vector<std::vector<UINT32>> field(1, std::vector<UINT32>(w, PalettePixel(0)));
    const std::vector<std::vector<UINT32>> line(1, std::vector<UINT32>(w, PalettePixel(1)));
    for (int k = 1; k < regions; ++k)
        field[0][k * w / regions] = PalettePixel(1);
    int top = 0;
    for (int k = 1; k < regions; ++k) {
        const int y = k * h / regions;
        WriteRowCycle(top, y, field);
        WriteRowCycle(y, y + 1, line);
        top = std::max(top, y + 1);
    }
    WriteRowCycle(top, h, field);
}
