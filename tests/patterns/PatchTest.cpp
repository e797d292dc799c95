#include "CentreSquareRect.h"
#include "DrawPatternMode.h"
#include "PatternParams.h"
#include "PatternFixture.h"
#include <cstdint>

namespace {

const int percents[] = {1, 2, 5, 10, 18, 25, 100};

TEST(PatchSquare, EverySizeAtEveryScreenIsCentredWithinItsShareAndNeverShrinksAsItGrows) {
    struct Size {
        int w, h;
    };
    // Odd, portrait, 21:9, 32:9, 4K and tiny screens.
    for (const Size& s : {Size{1025, 767}, Size{1080, 1920}, Size{2560, 1080}, Size{5120, 1440},
                          Size{3840, 2160}, Size{7, 5}, Size{1, 1}}) {
        int previous = 0;
        for (int percent : percents) {
            SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << " at " << percent << "%");
            const RECT r = PatchSquare(s.w, s.h, percent);
            const int side = r.right - r.left;
            EXPECT_EQ(r.bottom - r.top, percent == 100 ? s.h : side);
            EXPECT_GE(side, previous);
            previous = side;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= s.w && r.bottom <= s.h);
            if (percent == 100) {
                EXPECT_EQ(side, s.w);
                continue;
            }
            // The largest side whose area stays within the share, the odd pixel of margin right and below.
            const std::int64_t share = static_cast<std::int64_t>(s.w) * s.h * percent / 100;
            EXPECT_LE(static_cast<std::int64_t>(side) * side, share);
            EXPECT_GT(static_cast<std::int64_t>(side + 1) * (side + 1), share);
            EXPECT_EQ(r.left, (s.w - side) / 2);
            EXPECT_EQ(r.top, (s.h - side) / 2);
        }
        const RECT standard = PatchSquare(s.w, s.h, 2), today = CentreSquare(s.w, s.h);
        EXPECT_TRUE(::EqualRect(&standard, &today)) << s.w << "x" << s.h;
    }
    // Worked by hand: 10% of 1920x1080 is 207360, side 455; 25% of 3840x2160 is 2073600, side 1440.
    const RECT tenth = PatchSquare(1920, 1080, 10), quarter = PatchSquare(3840, 2160, 25);
    const RECT expectTenth = {732, 312, 1187, 767}, expectQuarter = {1200, 360, 2640, 1800};
    EXPECT_TRUE(::EqualRect(&tenth, &expectTenth));
    EXPECT_TRUE(::EqualRect(&quarter, &expectQuarter));
}

TEST(PatchSteps, LevelsSizesAndLabels) {
    const struct {
        int level, direction;
        bool fine;
        int expected;
    } levels[] = {{255, -1, false, 230}, {230, -1, false, 204}, {128, -1, false, 102}, {26, -1, false, 0},
                  {0, -1, false, 0},     {0, +1, false, 26},    {26, +1, false, 51},   {51, +1, false, 77},
                  {230, +1, false, 255}, {255, +1, false, 255}, {129, +1, false, 153}, {129, -1, false, 128},
                  {127, +1, false, 128}, {127, -1, false, 102}, {128, +1, true, 129},  {255, +1, true, 255},
                  {0, -1, true, 0},      {1, -1, true, 0}};
    for (const auto& c : levels)
        EXPECT_EQ(NextPatchLevel(c.level, c.direction, c.fine), c.expected)
            << c.level << (c.direction > 0 ? " up" : " down") << (c.fine ? " fine" : "");
    // The steps are round(255 * p / 100): all eleven, going up from black.
    int level = 0;
    std::vector<int> steps = {0};
    while (level < 255)
        steps.push_back(level = NextPatchLevel(level, +1, false));
    EXPECT_EQ(steps, (std::vector<int>{0, 26, 51, 77, 102, 128, 153, 179, 204, 230, 255}));

    const struct {
        int percent, direction, expected;
    } sizes[] = {{2, -1, 1},   {1, -1, 1},    {2, +1, 5},     {5, +1, 10},  {10, +1, 18},
                 {18, +1, 25}, {25, +1, 100}, {100, +1, 100}, {100, -1, 25}};
    for (const auto& c : sizes) {
        PatternParams params = {128, c.percent};
        ASSERT_TRUE(StepParams(patchSteps, c.direction > 0 ? VK_RIGHT : VK_LEFT, false, params));
        EXPECT_EQ(params.size, c.expected) << c.percent << " " << c.direction;
        EXPECT_EQ(params.level, 128);
    }

    EXPECT_EQ(PatchLabel({128, 10}), L"50% (128) \u00B7 10% window");
    EXPECT_EQ(PatchLabel({255, 2}), L"100% (255) \u00B7 2% window");
    EXPECT_EQ(PatchLabel({129, 100}), L"51% (129) \u00B7 100% window");
    EXPECT_EQ(PatchLabel({0, 1}), L"0% (0) \u00B7 1% window");
}

class PatchPixels : public PatternFixture {};

TEST_F(PatchPixels, EveryPixelIsThePatchLevelOrBlackOnDeepAndPaletteDisplays) {
    struct Size {
        int w, h;
    };
    const PatternParams patches[] = {{128, 10}, {1, 25}, {254, 1}, {77, 100}, {255, 2}};
    for (int bits : {32, 8})
        for (const Size& s : {Size{1025, 767}, Size{1080, 1920}, Size{64, 48}}) {
            auto canvas = MakeCanvas(s.w, s.h, bits);
            for (const PatternParams& patch : patches) {
                SCOPED_TRACE(testing::Message() << patch.level << " at " << patch.size << "%, " << s.w << "x"
                                                << s.h << ", " << bits << " bits");
                ASSERT_TRUE(DrawPatternMode(*canvas, patternCentreSquare, s.w, s.h, patch));
                const RECT square = PatchSquare(s.w, s.h, patch.size);
                const Pixels p = Read(*canvas);
                EXPECT_TRUE(RectIs(p, square, Gray(patch.level)));
                const int inside = (square.right - square.left) * (square.bottom - square.top);
                EXPECT_EQ(CountColor(p, {0, 0, s.w, s.h}, Gray(0)), s.w * s.h - inside);
            }
        }
}

} // namespace
