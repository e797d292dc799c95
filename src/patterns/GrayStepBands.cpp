#include "Canvas.h"

void CCanvas::DrawGrayStepBands() {
    const int w = width, h = height;
    palette.Reset();
    palette.AddColor(RGB(0, 0, 0));
    palette.AddColor(RGB(255, 255, 255));
    for (int g = 239; g <= 254; ++g)
        palette.AddColor(RGB(g, g, g));
    for (int k = 1; k <= 15; ++k) {
        const int g = (255 * k) / 16;
        palette.AddColor(RGB(g, g, g));
    }
    for (int g = 1; g <= 16; ++g)
        palette.AddColor(RGB(g, g, g));
    CPaletteSelect selected = UsePalette();

    const int b1 = (2 * h) / 10, b2 = b1 + (6 * h) / 10;
    const int bandTop[3] = {0, b1, b2}, bandBottom[3] = {b1, b2, h};
    // Every row of a band is the same: its cells are filled in the band's first row, which is then
    // copied down the band.
    for (int band = 0; band < 3; ++band) {
        const int first = bandTop[band];
        if (first >= bandBottom[band])
            continue;
        for (int i = 0; i < 17; ++i) {
            int index;
            if (band == 0)
                index = i < 16 ? i + 2 : 1;
            else if (band == 1)
                index = i == 0 ? 0 : i < 16 ? i + 17 : 1;
            else
                index = i == 0 ? 0 : i + 32;
            FillSolid({(w * i) / 17, first, (w * (i + 1)) / 17, first + 1}, PALETTEINDEX(index));
        }
        CopyRowDown({0, first, w, bandBottom[band]}, first);
    }
}
