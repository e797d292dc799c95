// The motion tests frame by frame against their definitions, whole and drawn over an earlier frame, and
// the pixels a frame each screen moves at each speed.
#include "MotionSteps.h"
#include "PatternFixture.h"
#include "PatternTable.h"
#include <cmath>
#include <cstring>
#include <vector>

namespace {

long long Mod(long long a, long long m) {
    return ((a % m) + m) % m;
}

// The gray level the definitions give pixel (x, y) of frame n at p pixels a frame on a W x H screen.
int Blocks(bool vertical, int x, int y, int W, int H, long long n, int p) {
    const long long L = vertical ? H : W, A = vertical ? W : H, c = vertical ? y : x, r = vertical ? x : y;
    int k = 2;
    while (r < k * A / 3)
        --k;
    const long long t = k * A / 3, h = (k + 1) * A / 3 - t, s = std::min(A / 9, L / 2);
    const int gray[3] = {64, 128, 192};
    const long long top = t + (h - s) / 2;
    if (s > 0 && r >= top && r < top + s) {
        const long long d = Mod(c - Mod(n * p, L), L);
        if (d < s)
            return 255;
        if (d < 2 * s)
            return 0;
    }
    return gray[k];
}

int Steps(int x, int y, int W, int H, long long n, int p) {
    if (y >= H / 8 && y < H / 4)
        for (int i = 0; i < 16; ++i)
            if (x >= i * W / 16 && x <= (i + 1) * W / 16 - 2)
                return i == n % 16 ? 255 : 32;
    for (int j = 0; j < 4; ++j)
        if (y >= (8 + j) * H / 16 && y < (9 + j) * H / 16 && j == n % 4)
            return Mod(Mod(x - Mod(n * p, W), W), 64) < 8 ? 255 : 0;
    return 0;
}

int Expected(PatternMode mode, int x, int y, int W, int H, long long n, int p) {
    return mode == patternFrameSteps ? Steps(x, y, W, H, n, p)
                                     : Blocks(mode == patternMovingBlocksVertical, x, y, W, H, n, p);
}

// The first pixel of the canvas (a 32-bit one) that is not the frame's, as "(x, y) is v, not e"; empty
// where every pixel is.
std::string FirstWrong(const CCanvas& canvas, PatternMode mode, long long n, int p) {
    ::GdiFlush();
    for (int y = 0; y < canvas.height; ++y) {
        const UINT32* row =
            reinterpret_cast<const UINT32*>(static_cast<const BYTE*>(canvas.bits) + y * canvas.stride);
        for (int x = 0; x < canvas.width; ++x) {
            const int e = Expected(mode, x, y, canvas.width, canvas.height, n, p);
            const UINT32 want = (static_cast<UINT32>(e) << 16) | (e << 8) | e;
            if ((row[x] & 0xFFFFFF) != want)
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       std::to_string(row[x] & 0xFF) + ", not " + std::to_string(e);
        }
    }
    return std::string();
}

using MotionTest = PatternFixture;

TEST_F(MotionTest, EveryFrameOfEveryTestWholeAndOverTheFrameBeforeAsTheDefinitionSays) {
    const struct {
        int w, h;
        std::vector<int> ps;
    } sizes[] = {{1, 1, {1, 16, 64}}, {7, 5, {1, 16, 64}}, {1366, 768, {1, 16, 64}}, {3840, 2160, {16}}};
    for (PatternMode mode : {patternMovingBlocks, patternMovingBlocksVertical, patternFrameSteps}) {
        const PatternEntry& entry = *FindPattern(mode);
        for (const auto& size : sizes) {
            std::unique_ptr<CCanvas> canvas = MakeCanvas(size.w, size.h);
            for (int p : size.ps) {
                // Frame 0, the next, where the blocks cross the right (or bottom) edge, and far on.
                const long long along = mode == patternMovingBlocksVertical ? size.h : size.w;
                const long long crossing = (along - std::min(size.w, size.h) / 9 + p - 1) / p;
                for (long long n : {0LL, 1LL, crossing, 1000000LL}) {
                    SCOPED_TRACE(testing::Message() << entry.argument << " " << size.w << "x" << size.h
                                                    << " p " << p << " frame " << n);
                    entry.draw(*canvas, size.w, size.h, motionSteps.standard, Frame{n, p, -1});
                    EXPECT_EQ(FirstWrong(*canvas, mode, n, p), "") << "drawn whole";
                    // The next frame over this one: only where it wrote does anything change, and the
                    // result is the next frame.
                    std::vector<UINT32> before(static_cast<size_t>(size.h) * size.w);
                    for (int y = 0; y < size.h; ++y)
                        std::memcpy(&before[static_cast<size_t>(y) * size.w],
                                    static_cast<const BYTE*>(canvas->bits) + y * canvas->stride, size.w * 4u);
                    const std::vector<RECT> wrote =
                        entry.draw(*canvas, size.w, size.h, motionSteps.standard, Frame{n + 1, p, n});
                    EXPECT_EQ(FirstWrong(*canvas, mode, n + 1, p), "") << "drawn over the frame before";
                    int outside = 0;
                    for (int y = 0; y < size.h && size.w < 3840; ++y) // 1366 x 768 tells as much
                        for (int x = 0; x < size.w; ++x) {
                            const POINT at = {x, y};
                            bool inside = false;
                            for (const RECT& r : wrote)
                                inside = inside || ::PtInRect(&r, at);
                            const UINT32 now = reinterpret_cast<const UINT32*>(
                                static_cast<const BYTE*>(canvas->bits) + y * canvas->stride)[x];
                            outside += !inside && now != before[static_cast<size_t>(y) * size.w + x];
                        }
                    EXPECT_EQ(outside, 0) << "pixels changed outside what the drawing says it wrote";
                }
            }
        }
    }
}

TEST_F(MotionTest, OnAPaletteDisplayEveryGrayIsAPaletteEntry) {
    std::unique_ptr<CCanvas> canvas = MakeCanvas(320, 240, 8);
    for (PatternMode mode : {patternMovingBlocks, patternFrameSteps}) {
        FindPattern(mode)->draw(*canvas, 320, 240, motionSteps.standard, Frame{5, 16, -1});
        const Pixels p = Read(*canvas);
        for (int y = 0; y < 240; y += 7)
            for (int x = 0; x < 320; x += 5) {
                const int e = Expected(mode, x, y, 320, 240, 5, 16);
                ASSERT_EQ(p.At(x, y), RGB(e, e, e)) << x << ", " << y;
            }
    }
}

TEST(PixelsPerFrame, EverySpeedOnEveryRateRoundedHalfUpAndAtLeastOne) {
    const struct {
        RefreshRate rate;
        double hz;
    } rates[] = {{{60, 1}, 60},   {{60000, 1001}, 60000.0 / 1001},
                 {{75, 1}, 75},   {{96, 1}, 96},
                 {{144, 1}, 144}, {{160, 1}, 160},
                 {{240, 1}, 240}};
    for (const auto& r : rates)
        for (int speed : {120, 240, 480, 720, 960, 1440, 1920, 2880, 3840}) {
            const int expected = std::max(1, static_cast<int>(std::floor(speed / r.hz + 0.5)));
            EXPECT_EQ(PixelsPerFrame(speed, r.rate), expected) << speed << " px/s at " << r.hz << " Hz";
        }
    EXPECT_EQ(PixelsPerFrame(960, {60, 1}), 16);
    EXPECT_EQ(PixelsPerFrame(960, {144, 1}), 7);
    EXPECT_EQ(PixelsPerFrame(960, {240, 1}), 4);
    EXPECT_EQ(PixelsPerFrame(240, {96, 1}), 3) << "2.5 rounds up";
    // The whole rates a mode list gives: 59 stands for 59.94, and nothing or too little for 60.
    EXPECT_TRUE(WholeRate(59) == (RefreshRate{60000, 1001}));
    EXPECT_TRUE(WholeRate(143) == (RefreshRate{144000, 1001}));
    EXPECT_TRUE(WholeRate(0) == (RefreshRate{60, 1}));
    EXPECT_TRUE(WholeRate(23) == (RefreshRate{60, 1}));
    EXPECT_TRUE(WholeRate(75) == (RefreshRate{75, 1}));
}

} // namespace
