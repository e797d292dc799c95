#include "Canvas.h"
#include <algorithm>
#include <vector>

int CCanvas::MirrorCoordinate(bool flag, int extent, int v) {
    return flag ? extent - v - 1 : v;
}

void CCanvas::DrawGratingBlock(int u, int left, int top, bool mirrorX, bool mirrorY) {
    Compose(GratingBlockLayers(u, left, top, mirrorX, mirrorY));
}

std::vector<Layer> CCanvas::GratingBlockLayers(int u, int left, int top, bool mirrorX, bool mirrorY) const {
    const int bw = 4 * u, bh = 3 * u;
    if (u <= 0)
        return {};

    // All lines of a square run one way, so a square is one profile across its lines: the palette
    // index at each position (0, the block's black, between lines). The rules below fill the profiles.
    // The twelve squares are the whole block: each pixel is written once, the black between the lines too.
    std::vector<std::vector<int>> lines(3, std::vector<int>(u, 0));
    for (int i = 1; i <= u - 1; i += 2) // single lines
        lines[0][i] = 1;
    // A pair cut by the square's edge is left out whole.
    for (int p = 1; p + 1 <= u - 1; p += 4)
        lines[1][p] = lines[1][p + 1] = 1;
    // A triple cut by the square's edge keeps the lines that fit.
    for (int q = 1; q <= u; q += 6)
        for (int c = 0; c < std::min(3, u - q); ++c)
            lines[2][q + c] = 1;
    // Two-pixel stripes, the first colour first.
    const int firstStripe[3] = {12, 12, 14}, secondStripe[3] = {2, 13, 13};
    std::vector<std::vector<int>> stripes(3, std::vector<int>(u));
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < u; ++j)
            stripes[r][j] = j % 4 < 2 ? firstStripe[r] : secondStripe[r];

    // Square (column, row) on the canvas; block-local positions are mirrored as the block is.
    auto square = [&](int column, int row) {
        const int x0 = left + (mirrorX ? bw - (column + 1) * u : column * u);
        const int y0 = top + (mirrorY ? bh - (row + 1) * u : row * u);
        return RECT{x0, y0, x0 + u, y0 + u};
    };
    // Horizontal lines: profile position t is a whole row of the square.
    auto horizontalSquare = [&](int column, int row, const std::vector<int>& profile) {
        const RECT r = square(column, row);
        std::vector<UINT32> rows(u);
        for (int t = 0; t < u; ++t)
            rows[top + MirrorCoordinate(mirrorY, bh, row * u + t) - r.top] = PalettePixel(profile[t]);
        return Layer::Rows(r, rows);
    };
    // Vertical lines: profile position t is a whole column.
    auto verticalSquare = [&](int column, int row, const std::vector<int>& profile) {
        const RECT r = square(column, row);
        std::vector<UINT32> columns(u);
        for (int t = 0; t < u; ++t)
            columns[left + MirrorCoordinate(mirrorX, bw, column * u + t) - r.left] = PalettePixel(profile[t]);
        return Layer::Columns(r, columns);
    };
    std::vector<Layer> layers;
    for (int row = 0; row < 3; ++row) {
        layers.push_back(horizontalSquare(0, row, lines[row]));
        layers.push_back(verticalSquare(1, row, lines[row]));
        layers.push_back(horizontalSquare(2, row, stripes[row]));
        layers.push_back(verticalSquare(3, row, stripes[row]));
    }
    return layers;
}
