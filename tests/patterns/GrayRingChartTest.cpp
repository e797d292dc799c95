#include "PatternFixture.h"

namespace {

class GrayRingChart : public PatternFixture {};

const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), background = Gray(127), grid = Gray(191);

// Samples of a block away from its edges, which the frame may cover: local row 9 of column 0 is a white
// line and row 8 the black fill; column u + 1 a white line, column u the fill; stripes P, P, Q, Q.
void ExpectBlockAt(const Pixels& p, int left, int top, int u, bool mirrorX, bool mirrorY) {
    SCOPED_TRACE(testing::Message() << "block at " << left << "," << top);
    auto at = [&](int x, int y) {
        return p.At(left + (mirrorX ? 4 * u - 1 - x : x), top + (mirrorY ? 3 * u - 1 - y : y));
    };
    EXPECT_EQ(at(10, 9), white);
    EXPECT_EQ(at(10, 8), black);
    EXPECT_EQ(at(u + 1, 10), white);
    EXPECT_EQ(at(u, 10), black);
    EXPECT_EQ(at(2 * u + 5, 8), Gray(130));
    EXPECT_EQ(at(2 * u + 5, 10), Gray(127));
}

TEST_F(GrayRingChart, At1600x1200) {
    auto canvas = MakeCanvas(1600, 1200);
    canvas->DrawGrayRingChart();
    const Pixels p = Read(*canvas);

    const int levels[17] = {0, 255, 127, 191, 25, 51, 76, 102, 153, 178, 204, 229, 130, 122, 135, 12, 242};
    ASSERT_EQ(canvas->palette.entries.size(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(canvas->palette.entries[i], Gray(levels[i])) << "entry " << i;
    EXPECT_TRUE(HoldsStockObjects(canvas->memDC));

    // Grid lines two pixels wide, columns x-1 and x, in rows clear of everything else.
    for (int x : {799, 679, 559, 439, 319, 921, 1041, 1161, 1281}) {
        EXPECT_TRUE(RectIs(p, {x - 1, 160, x + 1, 230}, grid)) << "line at x " << x;
        EXPECT_EQ(p.At(x - 2, 200), background);
        EXPECT_EQ(p.At(x + 1, 200), background);
    }
    for (int y : {599, 479, 359, 721, 841, 961}) {
        EXPECT_TRUE(RectIs(p, {340, y - 1, 420, y + 1}, grid)) << "line at y " << y;
        EXPECT_EQ(p.At(380, y - 2), background);
        EXPECT_EQ(p.At(380, y + 1), background);
    }
    EXPECT_EQ(p.At(802, 200), background); // there is no line at cx + 1

    // Cells, the 5% and 95% squares inside cells 0 and 13.
    EXPECT_TRUE(RectIs(p, {560, 722, 678, 751}, black));
    EXPECT_TRUE(RectIs(p, {589, 751, 648, 810}, Gray(12)));
    EXPECT_TRUE(RectIs(p, {440, 722, 558, 840}, black));
    EXPECT_TRUE(RectIs(p, {680, 360, 798, 478}, background));
    EXPECT_TRUE(RectIs(p, {800, 360, 920, 478}, background));
    EXPECT_TRUE(RectIs(p, {922, 722, 1040, 751}, white));
    EXPECT_TRUE(RectIs(p, {951, 751, 1010, 810}, Gray(242)));
    EXPECT_TRUE(RectIs(p, {440, 360, 558, 478}, Gray(76)));    // 30%
    EXPECT_TRUE(RectIs(p, {560, 360, 678, 478}, Gray(102)));   // 40%
    EXPECT_TRUE(RectIs(p, {922, 360, 1040, 478}, Gray(153)));  // 60%
    EXPECT_TRUE(RectIs(p, {1042, 480, 1160, 598}, Gray(204))); // 80%
    EXPECT_TRUE(RectIs(p, {440, 600, 558, 720}, Gray(25)));    // 10%
    EXPECT_TRUE(RectIs(p, {1042, 722, 1160, 840}, white));     // 100%

    // Labels in white where they belong (the glyphs are the font's own).
    const POINT labels[] = {{416, 775}, {410, 654}, {610, 348}, {1172, 413}, {1166, 775},
                            {613, 698}, {616, 686}, {972, 698}, {972, 686}};
    for (const POINT& at : labels)
        EXPECT_GT(CountColor(p, {at.x, at.y, at.x + 24, at.y + 12}, white), 3) << at.x << "," << at.y;
    EXPECT_TRUE(RectIs(p, {610, 697, 631, 698}, white)); // the rules
    EXPECT_TRUE(RectIs(p, {969, 697, 999, 698}, white));
    EXPECT_EQ(CountColor(p, {380, 760, 410, 800}, white), 0); // nothing beside "0%"

    // Bars and their cores.
    EXPECT_TRUE(RectIs(p, {160, 252, 1440, 276}, white));
    EXPECT_TRUE(RectIs(p, {160, 252, 480, 348}, white));
    EXPECT_TRUE(RectIs(p, {480, 276, 1120, 324}, black));
    EXPECT_TRUE(RectIs(p, {160, 852, 1440, 876}, black));
    EXPECT_TRUE(RectIs(p, {480, 876, 1120, 924}, white));
    EXPECT_EQ(p.At(159, 300), background);
    EXPECT_EQ(p.At(1440, 300), background);

    // Blocks: u = 75, corners mirrored outward, the centre one left-right.
    ExpectBlockAt(p, 12, 12, 75, false, false);
    ExpectBlockAt(p, 1288, 12, 75, true, false);
    ExpectBlockAt(p, 12, 963, 75, false, true);
    ExpectBlockAt(p, 1288, 963, 75, true, true);
    ExpectBlockAt(p, 650, 488, 75, true, false);

    // Frame: Rectangle(12, 12, 1588, 1188) with a 6-pixel pen; its ends are the window system's.
    EXPECT_EQ(p.At(12, 600), grid);
    EXPECT_EQ(p.At(1587, 600), grid);
    EXPECT_EQ(p.At(700, 12), grid);
    EXPECT_EQ(p.At(700, 1187), grid);
    EXPECT_EQ(p.At(5, 600), background);
    EXPECT_EQ(p.At(20, 600), background);
}

TEST_F(GrayRingChart, LandscapeAndPortraitGeometry) {
    auto canvas = MakeCanvas(1280, 1024);
    canvas->DrawGrayRingChart();
    Pixels p = Read(*canvas);
    EXPECT_TRUE(RectIs(p, {128, 215, 384, 296}, white));
    EXPECT_TRUE(RectIs(p, {384, 235, 896, 275}, black));
    EXPECT_TRUE(RectIs(p, {128, 729, 384, 810}, black));
    EXPECT_TRUE(RectIs(p, {384, 749, 896, 789}, white));
    EXPECT_EQ(p.At(127, 250), background);
    EXPECT_EQ(p.At(640, 214), background);
    ExpectBlockAt(p, 10, 10, 64, false, false);
    ExpectBlockAt(p, 1014, 10, 64, true, false);
    ExpectBlockAt(p, 10, 822, 64, false, true);
    ExpectBlockAt(p, 1014, 822, 64, true, true);
    ExpectBlockAt(p, 512, 416, 64, true, false);
    EXPECT_EQ(p.At(300, 1), grid); // horizontal lines reach y = 1 (rows 0 and 1) and y = 1023
    EXPECT_EQ(p.At(300, 1022), grid);

    canvas = MakeCanvas(1200, 1600);
    canvas->DrawGrayRingChart();
    p = Read(*canvas);
    EXPECT_TRUE(RectIs(p, {120, 336, 360, 464}, white));
    EXPECT_TRUE(RectIs(p, {120, 1136, 360, 1264}, black));
    ExpectBlockAt(p, 16, 16, 75, false, false); // u follows the width, the inset the height
}

} // namespace
