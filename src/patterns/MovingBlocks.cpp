// White and black blocks crossing three gray bands, written row by row: whole, or where they were and
// where they are.
#include "MovingBlocks.h"
#include <algorithm>

namespace {

// The blocks' geometry along their motion (length `along`) and across it, for either direction.
struct Blocks {
    CCanvas& canvas;
    bool vertical;
    int along, across, side;
    UINT32 gray[3], white, black;

    int BandFrom(int k) const { return k * across / 3; }
    int BlockFrom(int k) const { return BandFrom(k) + (BandFrom(k + 1) - BandFrom(k) - side) / 2; }
    // What lies at `c` along the motion in a block row of band k while the white block starts at x.
    UINT32 At(int c, int x, int k) const {
        const int d = ((c - x) % along + along) % along;
        return d < side ? white : d < 2 * side ? black : gray[k];
    }
    // A row of the canvas across the bands (for the vertical blocks), at `c` along with the white block
    // at x: each band's gray, and in its block columns what lies there.
    std::vector<UINT32> AcrossRow(int c, int x) const {
        std::vector<UINT32> row(static_cast<size_t>(across));
        for (int k = 0; k < 3; ++k) {
            std::fill(row.begin() + BandFrom(k), row.begin() + BandFrom(k + 1), gray[k]);
            std::fill(row.begin() + BlockFrom(k), row.begin() + BlockFrom(k) + side, At(c, x, k));
        }
        return row;
    }
};

// The whole frame: each row written once (rows that repeat copied from above).
void WriteWhole(const Blocks& b, int x, std::vector<RECT>& wrote) {
    CCanvas& canvas = b.canvas;
    if (!b.vertical) {
        for (int k = 0; k < 3; ++k) {
            const int bounds[4] = {b.BandFrom(k), b.BlockFrom(k), b.BlockFrom(k) + b.side, b.BandFrom(k + 1)};
            std::vector<UINT32> plain(static_cast<size_t>(b.along), b.gray[k]), blocks(plain);
            for (int c = 0; c < 2 * b.side; ++c) // the blocks, round the end
                blocks[static_cast<size_t>((x + c) % b.along)] = c < b.side ? b.white : b.black;
            for (int part = 0; part < 3; ++part)
                canvas.WriteRowCycle(bounds[part], bounds[part + 1],
                                     std::vector<std::vector<UINT32>>(1, part == 1 ? blocks : plain));
        }
    } else {
        // Rows alike run from one change of what the block columns show to the next.
        for (int top = 0; top < b.along;) {
            int bottom = top + 1;
            while (bottom < b.along && b.At(bottom, x, 0) == b.At(top, x, 0))
                ++bottom;
            canvas.WriteRowCycle(top, bottom, std::vector<std::vector<UINT32>>(1, b.AcrossRow(top, x)));
            top = bottom;
        }
    }
    wrote.push_back({0, 0, canvas.width, canvas.height});
}

// Where the blocks were (from x0) and are (from x): only the runs along the motion whose colour changed
// (three strips as wide as the step, where the step is less than a block).
void WriteMoved(const Blocks& b, int x0, int x, std::vector<RECT>& wrote) {
    CCanvas& canvas = b.canvas;
    const int moved = ((x - x0) % b.along + b.along) % b.along;
    const int length = std::min(b.along, moved + 2 * b.side);
    auto changes = [&](int i) {
        const int c = (x0 + i) % b.along;
        return b.At(c, x, 0) != b.At(c, x0, 0);
    };
    for (int i = 0; i < length;) {
        if (!changes(i)) {
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < length && changes(end) && (x0 + end) % b.along != 0) // a run stops at the end
            ++end;
        const int from = (x0 + i) % b.along, to = from + (end - i);
        for (int k = 0; k < 3; ++k) {
            const int top = b.BlockFrom(k), bottom = top + b.side;
            std::vector<UINT32> run(static_cast<size_t>(to - from));
            for (int c = from; c < to; ++c)
                run[static_cast<size_t>(c - from)] = b.At(c, x, k);
            if (!b.vertical) {
                for (int y = top; y < bottom; ++y)
                    canvas.WriteRow(y, from, run);
                wrote.push_back({from, top, to, bottom});
            } else {
                const RECT r = {top, from, bottom, to};
                canvas.FillRows(r, run);
                wrote.push_back(r);
            }
        }
        i = end;
    }
}

} // namespace

std::vector<RECT> DrawMovingBlocks(CCanvas& canvas, bool vertical, long long n, int p, long long over) {
    Blocks blocks = {canvas,
                     vertical,
                     vertical ? canvas.height : canvas.width,
                     vertical ? canvas.width : canvas.height,
                     0,
                     {},
                     0,
                     0};
    blocks.side = std::min(blocks.across / 9, blocks.along / 2);
    std::vector<RECT> wrote;
    if (blocks.along == 0 || blocks.across == 0 || (over >= 0 && (over == n || blocks.side == 0)))
        return wrote;
    // Where the white block starts in a frame: (frame * p) mod along, in 64 bits without overflow.
    auto start = [&](long long frame) {
        return static_cast<int>((frame % blocks.along) * (p % blocks.along) % blocks.along);
    };
    auto pixels = [&] {
        for (int k = 0; k < 3; ++k)
            blocks.gray[k] = canvas.PalettePixel(k);
        blocks.white = canvas.PalettePixel(3);
        blocks.black = canvas.PalettePixel(4);
    };
    if (over >= 0) { // the palette made with the whole frame stands
        pixels();
        WriteMoved(blocks, start(over), start(n), wrote);
        return wrote;
    }
    canvas.palette.Reset();
    for (int level : {64, 128, 192, 255, 0})
        canvas.palette.AddColor(RGB(level, level, level));
    CPaletteSelect selected = canvas.UsePalette();
    pixels();
    WriteWhole(blocks, start(n), wrote);
    return wrote;
}
