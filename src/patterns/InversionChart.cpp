#include "Canvas.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include <algorithm>
#include <vector>

namespace {

// How a tile's pixels walk: lit where x + y, x + y / 2, y or x is even (phase a) or odd (phase b).
enum Walk { Dots, TallDots, Rows, Columns };

struct Tile {
    const char* name;
    Walk walk;
    bool phaseB;
    bool subPixels; // magenta and green dots in place of lit and black ones
};

// Row by row, four a row.
const Tile tiles[12] = {
    {"1a", Dots, false, false},    {"1b", Dots, true, false},     {"2a", TallDots, false, false},
    {"2b", TallDots, true, false}, {"3a", Rows, false, false},    {"3b", Rows, true, false},
    {"4a", Columns, false, false}, {"4b", Columns, true, false},  {"5a", Dots, false, true},
    {"5b", Dots, true, true},      {"6a", TallDots, false, true}, {"6b", TallDots, true, true}};

int WalkValue(Walk walk, int x, int y) {
    switch (walk) {
    case Dots:
        return x + y;
    case TallDots:
        return x + y / 2;
    case Rows:
        return y;
    default:
        return x;
    }
}

// Palette: black, the lit gray, magenta and green at the same level, the names' gray.
enum { black, lit, magenta, green, nameGray };

int TileIndex(const Tile& tile, int x, int y) {
    const bool even = WalkValue(tile.walk, x, y) % 2 == 0;
    const bool first = even != tile.phaseB;
    if (tile.subPixels)
        return first ? magenta : green;
    return first ? lit : black;
}

} // namespace

void CCanvas::DrawInversionChart() {
    const int w = width, h = height, level = 159; // a mid gray: inversion shows at 0 and 255 not at all
    palette.Reset();
    palette.AddColor(RGB(0, 0, 0));
    palette.AddColor(RGB(level, level, level));
    palette.AddColor(RGB(level, 0, level));
    palette.AddColor(RGB(0, level, 0));
    palette.AddColor(RGB(128, 128, 128));
    CPaletteSelect selected = UsePalette();

    const int m = std::min(w / 4, h / 3) / 8;
    CFont font(CreateCaptionFont(m));
    CGdiSelect selectedFont(memDC, font);
    const std::vector<std::vector<UINT32>> blackRows(1, std::vector<UINT32>(w, PalettePixel(black)));
    for (int r = 0; r < 3; ++r) {
        const int cellTop = r * h / 3, cellBottom = (r + 1) * h / 3;
        // Every tile repeats after four rows (x + y / 2 is the slowest walk): row y is rows[y % 4].
        std::vector<std::vector<UINT32>> rows(4, blackRows[0]);
        for (int phase = 0; phase < 4; ++phase)
            for (int c = 0; c < 4; ++c)
                for (int x = c * w / 4 + m; x < (c + 1) * w / 4 - m; ++x)
                    rows[phase][x] = PalettePixel(TileIndex(tiles[4 * r + c], x, phase));
        WriteRowCycle(cellTop, cellTop + m, blackRows);
        WriteRowCycle(cellTop + m, cellBottom - m, rows);
        WriteRowCycle(cellBottom - m, cellBottom, blackRows);
        if (m < 12)
            continue;
        for (int c = 0; c < 4; ++c)
            DrawCaption({c * w / 4 + m, cellTop, (c + 1) * w / 4 - m, cellTop + m}, tiles[4 * r + c].name,
                        nameGray, false);
    }
}
