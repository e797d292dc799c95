#include "PatternFixture.h"

namespace {

class LevelRampChart : public PatternFixture {};

const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);

COLORREF RampColor(int row, int level) {
    const COLORREF colors[4] = {RGB(level, 0, 0), RGB(0, level, 0), RGB(0, 0, level), Gray(level)};
    return colors[row];
}

TEST_F(LevelRampChart, DeepDisplayAt1024x768) {
    auto canvas = MakeCanvas(1024, 768);
    canvas->DrawLevelRampChart();
    const Pixels p = Read(*canvas);

    ASSERT_EQ(canvas->palette.entries.size(), 1033u);
    ASSERT_NE(canvas->palette.handle, nullptr);
    const int patchLevels[9] = {251, 253, 255, 64, 128, 192, 0, 2, 4};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(canvas->palette.entries[i], Gray(patchLevels[i])) << "entry " << i;
    for (int k = 0; k < 256; ++k)
        for (int row = 0; row < 4; ++row)
            ASSERT_EQ(canvas->palette.entries[9 + row * 256 + k], RampColor(row, 255 - k)) << row << " " << k;
    EXPECT_TRUE(HoldsStockObjects(canvas->memDC));

    // Patches 170 x 48, outlined in black on their inner edge, labelled in the top left corner.
    for (int r = 0; r < 3; ++r)
        for (int t = 0; t < 3; ++t) {
            const int left = 256 + 170 * t, top = 130 + 48 * r, right = left + 170, bottom = top + 48;
            const int level = patchLevels[3 * r + t];
            SCOPED_TRACE(testing::Message() << "patch " << level);
            EXPECT_TRUE(RectIs(p, {left + 40, top + 1, right - 1, bottom - 1}, Gray(level)));
            EXPECT_TRUE(RectIs(p, {left + 1, top + 20, right - 1, bottom - 1}, Gray(level)));
            EXPECT_TRUE(RectIs(p, {left, top, right, top + 1}, black));
            EXPECT_TRUE(RectIs(p, {left, bottom - 1, right, bottom}, black));
            EXPECT_TRUE(RectIs(p, {left, top, left + 1, bottom}, black));
            EXPECT_TRUE(RectIs(p, {right - 1, top, right, bottom}, black));
            const COLORREF text = level < 130 ? white : black;
            EXPECT_GT(CountColor(p, {left + 3, top + 3, left + 40, top + 20}, text), 5) << "label missing";
        }
    EXPECT_TRUE(RectIs(p, {1, 1, 1023, 130}, white));
    EXPECT_TRUE(RectIs(p, {1, 274, 1023, 288}, white));

    // Ramps: 256 cells of 4 pixels, rows of 24 from y = 288.
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 256; ++k) {
            const int left = k == 0 ? 1 : 4 * k, right = k == 255 ? 1023 : 4 * k + 4;
            ASSERT_TRUE(RectIs(p, {left, 288 + 24 * row, right, 312 + 24 * row}, RampColor(row, 255 - k)));
        }

    // Grille: white lines on rows 384 and 576, white even and black odd columns between.
    EXPECT_TRUE(RectIs(p, {0, 384, 1024, 385}, white));
    EXPECT_TRUE(RectIs(p, {0, 576, 1024, 577}, white));
    for (int x = 1; x < 1023; ++x)
        ASSERT_TRUE(RectIs(p, {x, 385, x + 1, 576}, x % 2 ? black : white));

    // Lower half black with the two lower discs; the frame on the outermost pixels.
    EXPECT_TRUE(RectIs(p, {129, 577, 895, 767}, black));
    EXPECT_TRUE(RectIs(p, {1, 577, 1023, 640}, black));
    EXPECT_EQ(p.At(64, 704), white);
    EXPECT_EQ(p.At(960, 704), white);
    EXPECT_EQ(p.At(2, 642), black);
    EXPECT_EQ(p.At(1021, 642), black);
    EXPECT_TRUE(RectIs(p, {0, 767, 1024, 768}, white));
    EXPECT_TRUE(RectIs(p, {0, 0, 1, 768}, white));
    EXPECT_TRUE(RectIs(p, {1023, 0, 1024, 768}, white));
}

TEST_F(LevelRampChart, EightBitDisplayTakesFiftyTwoStepsAndTheLeftoverSplits) {
    for (int w : {1024, 1025}) {
        SCOPED_TRACE(testing::Message() << "width " << w);
        auto canvas = MakeCanvas(w, 768, 8);
        ASSERT_EQ(canvas->bitsPerPixel, 8);
        canvas->DrawLevelRampChart();
        const Pixels p = Read(*canvas);
        ASSERT_EQ(canvas->palette.entries.size(), 217u);
        for (int k = 0; k < 52; ++k)
            ASSERT_EQ(canvas->palette.entries[9 + 3 * 52 + k], Gray(255 - 5 * k));

        // q = 19, m = 18: the first cell is 37 wide, the last takes the rest (37 or 38).
        for (int row = 0; row < 4; ++row) {
            const int top = 288 + 24 * row, bottom = top + 24;
            EXPECT_TRUE(RectIs(p, {1, top, 37, bottom}, RampColor(row, 255)));
            for (int k = 1; k <= 50; ++k)
                ASSERT_TRUE(
                    RectIs(p, {18 + 19 * k, top, 18 + 19 * (k + 1), bottom}, RampColor(row, 255 - 5 * k)));
            EXPECT_TRUE(RectIs(p, {987, top, w - 1, bottom}, RampColor(row, 0)));
        }
    }
}

TEST_F(LevelRampChart, ShortAndNarrowCanvases) {
    // h = 600: the band (from 225) covers the last patch row, and rows 297-299 stay white.
    auto canvas = MakeCanvas(800, 600);
    canvas->DrawLevelRampChart();
    Pixels p = Read(*canvas);
    EXPECT_TRUE(RectIs(p, {1, 297, 799, 300}, white));
    const int q = 800 / 256, m = (800 - 256 * q) / 2;
    const int x = 300, k = (x - m) / q;
    EXPECT_EQ(p.At(x, 230), RGB(255 - k, 0, 0)); // inside patch row 2 (204-241), painted over
    EXPECT_EQ(p.At(x, 215), Gray(0));            // patch row 2 above the band

    // Narrower than the ramp: the first cell covers the left half, the last the right half.
    // (Tall enough that the 128-pixel discs leave the band free.)
    canvas = MakeCanvas(40, 600);
    canvas->DrawLevelRampChart();
    p = Read(*canvas);
    EXPECT_TRUE(RectIs(p, {1, 225, 20, 243}, RGB(255, 0, 0)));
    EXPECT_TRUE(RectIs(p, {20, 225, 39, 243}, RGB(0, 0, 0)));
    EXPECT_TRUE(RectIs(p, {1, 279, 20, 297}, Gray(255)));
    EXPECT_TRUE(RectIs(p, {20, 279, 39, 297}, Gray(0)));
}

} // namespace
