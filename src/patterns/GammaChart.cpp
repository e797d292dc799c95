#include "Canvas.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include <algorithm>
#include <vector>

namespace {

// The patch of each column matches a reference lit on every second row (half the light) where the
// display's gamma is the column's: its level is 255 * 0.5^(1 / gamma), rounded.
const int gammaLevels[7] = {165, 174, 180, 186, 191, 195, 199};
const char* const gammaNames[7] = {"1.6", "1.8", "2.0", "2.2", "2.4", "2.6", "2.8"};

// The four bands, top to bottom: gray, red, green, blue.
COLORREF BandColor(int band, int level) {
    const COLORREF colors[4] = {RGB(level, level, level), RGB(level, 0, 0), RGB(0, level, 0),
                                RGB(0, 0, level)};
    return colors[band];
}

} // namespace

void CCanvas::DrawGammaChart() {
    const int w = width, h = height;
    // Black, the labels' gray, then for each band its full colour and its seven patch levels.
    palette.Reset();
    palette.AddColor(RGB(0, 0, 0));
    palette.AddColor(RGB(128, 128, 128));
    for (int band = 0; band < 4; ++band) {
        palette.AddColor(BandColor(band, 255));
        for (int level : gammaLevels)
            palette.AddColor(BandColor(band, level));
    }
    CPaletteSelect selected = UsePalette();
    const int boxHeight = 15 * (h / 4) / 16 - 13 * (h / 4) / 16; // of the first band; the others' are alike
    CFont font(CreateCaptionFont(boxHeight));
    CGdiSelect selectedFont(memDC, font);

    for (int band = 0; band < 4; ++band) {
        const int y0 = band * h / 4, bh = (band + 1) * h / 4 - y0, full = 2 + 8 * band;
        // Down the band: the reference alone, with the patches, alone, with the label boxes, alone.
        const int edges[6] = {y0,     y0 + bh / 4, y0 + 3 * bh / 4, y0 + 13 * bh / 16, y0 + 15 * bh / 16,
                              y0 + bh};
        for (int part = 0; part < 5; ++part) {
            // Row y is rows[y % 2]: the band's full colour on even rows, black on odd ones.
            std::vector<std::vector<UINT32>> rows(2);
            for (int phase = 0; phase < 2; ++phase) {
                rows[phase].assign(w, PalettePixel(phase == 0 ? full : 0));
                if (part != 1 && part != 3)
                    continue;
                for (int i = 0; i < 7; ++i) {
                    const int x0 = i * w / 7, cw = (i + 1) * w / 7 - x0;
                    std::fill(rows[phase].begin() + x0 + cw / 4, rows[phase].begin() + x0 + 3 * cw / 4,
                              PalettePixel(part == 1 ? full + 1 + i : 0));
                }
            }
            WriteRowCycle(edges[part], edges[part + 1], rows);
        }
        if (edges[4] - edges[3] < 12)
            continue;
        for (int i = 0; i < 7; ++i) {
            const int x0 = i * w / 7, cw = (i + 1) * w / 7 - x0;
            DrawCaption({x0 + cw / 4, edges[3], x0 + 3 * cw / 4, edges[4]}, gammaNames[i], 1, true);
        }
    }
}
