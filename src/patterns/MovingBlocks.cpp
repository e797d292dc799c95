// White and black blocks crossing three gray bands, drawn where they were and where they are.
#include "MovingBlocks.h"
#include <algorithm>

namespace {

// The blocks' geometry along their motion (length `along`) and across it, for either direction.
struct Blocks {
    CCanvas& canvas;
    bool vertical;
    int along, across, side;

    RECT Rect(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const {
        return vertical ? RECT{acrossFrom, alongFrom, acrossTo, alongTo}
                        : RECT{alongFrom, acrossFrom, alongTo, acrossTo};
    }
    int BandFrom(int k) const { return k * across / 3; }
    int BlockFrom(int k) const { return BandFrom(k) + (BandFrom(k + 1) - BandFrom(k) - side) / 2; }
    // In every band's block rows, `length` pixels along the motion from `from` on, round the end: band
    // k's in pixels[k].
    void Fill(int from, int length, const UINT32 (&pixels)[3], std::vector<RECT>& wrote) const {
        const int pieces[2][2] = {{from, std::min(from + length, along)}, {0, from + length - along}};
        for (const auto& piece : pieces)
            for (int k = 0; k < 3 && piece[1] > piece[0]; ++k) {
                const RECT r = Rect(piece[0], piece[1], BlockFrom(k), BlockFrom(k) + side);
                canvas.FillPixels(r, pixels[k]);
                wrote.push_back(r);
            }
    }
};

} // namespace

std::vector<RECT> DrawMovingBlocks(CCanvas& canvas, bool vertical, long long n, int p, long long over) {
    Blocks blocks = {canvas, vertical, vertical ? canvas.height : canvas.width,
                     vertical ? canvas.width : canvas.height, 0};
    blocks.side = std::min(blocks.across / 9, blocks.along / 2);
    std::vector<RECT> wrote;
    if (blocks.along == 0 || (over >= 0 && (over == n || blocks.side == 0)))
        return wrote;
    // Where the blocks start in a frame: (frame * p) mod along, in 64 bits without overflow.
    auto start = [&](long long frame) {
        return static_cast<int>((frame % blocks.along) * (p % blocks.along) % blocks.along);
    };
    if (over < 0) {
        canvas.palette.Reset();
        for (int level : {64, 128, 192, 255, 0})
            canvas.palette.AddColor(RGB(level, level, level));
        CPaletteSelect selected = canvas.UsePalette();
        const UINT32 bands[3] = {canvas.PalettePixel(0), canvas.PalettePixel(1), canvas.PalettePixel(2)};
        for (int k = 0; k < 3; ++k)
            canvas.FillPixels(blocks.Rect(0, blocks.along, blocks.BandFrom(k), blocks.BandFrom(k + 1)),
                              bands[k]);
        wrote.push_back({0, 0, canvas.width, canvas.height});
    } else {
        // The bands' gray where the blocks were.
        const UINT32 grays[3] = {canvas.PalettePixel(0), canvas.PalettePixel(1), canvas.PalettePixel(2)};
        blocks.Fill(start(over), 2 * blocks.side, grays, wrote);
    }
    const UINT32 white[3] = {canvas.PalettePixel(3), canvas.PalettePixel(3), canvas.PalettePixel(3)};
    const UINT32 black[3] = {canvas.PalettePixel(4), canvas.PalettePixel(4), canvas.PalettePixel(4)};
    const int at = start(n);
    blocks.Fill(at, blocks.side, white, wrote);
    blocks.Fill((at + blocks.side) % blocks.along, blocks.side, black, wrote);
    return wrote;
}
