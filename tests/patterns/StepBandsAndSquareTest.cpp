#include "CentreSquareRect.h"
#include "PatternFixture.h"

namespace {

class StepBands : public PatternFixture {};
class CentreSquareTest : public PatternFixture {};

TEST_F(StepBands, SeventeenCellsInThreeBands) {
    struct Case {
        int w, h, b1, b2;
    };
    for (const Case& c :
         {Case{1024, 768, 153, 613}, Case{1920, 1080, 216, 864}, Case{1280, 1024, 204, 818}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        auto canvas = MakeCanvas(c.w, c.h);
        canvas->DrawGrayStepBands();
        const Pixels p = Read(*canvas);
        ASSERT_EQ(canvas->palette.entries.size(), 49u);
        EXPECT_EQ(canvas->palette.entries[2], Gray(239));
        EXPECT_EQ(canvas->palette.entries[32], Gray(239));
        EXPECT_EQ(canvas->palette.entries[48], Gray(16));
        EXPECT_TRUE(HoldsStockObjects(canvas->memDC));

        const int top[17] = {239, 240, 241, 242, 243, 244, 245, 246, 247,
                             248, 249, 250, 251, 252, 253, 254, 255};
        const int middle[17] = {0, 15, 31, 47, 63, 79, 95, 111, 127, 143, 159, 175, 191, 207, 223, 239, 255};
        for (int i = 0; i < 17; ++i) {
            const int left = (c.w * i) / 17, right = (c.w * (i + 1)) / 17;
            EXPECT_TRUE(RectIs(p, {left, 0, right, c.b1}, Gray(top[i])));
            EXPECT_TRUE(RectIs(p, {left, c.b1, right, c.b2}, Gray(middle[i])));
            EXPECT_TRUE(RectIs(p, {left, c.b2, right, c.h}, Gray(i)));
        }
    }
    // Cell edges at 1024: 0, 60, 120, 180, 240, 301, ... 963, 1024.
    auto canvas = MakeCanvas(1024, 768);
    canvas->DrawGrayStepBands();
    const Pixels p = Read(*canvas);
    EXPECT_EQ(p.At(59, 0), Gray(239));
    EXPECT_EQ(p.At(60, 0), Gray(240));
    EXPECT_EQ(p.At(300, 0), Gray(243));
    EXPECT_EQ(p.At(301, 0), Gray(244));
    EXPECT_EQ(p.At(962, 767), Gray(15));
    EXPECT_EQ(p.At(963, 767), Gray(16));
}

TEST_F(CentreSquareTest, SquareOfOneFiftiethForCommonScreens) {
    struct Case {
        int w, h;
        RECT square;
    };
    const Case cases[] = {{640, 480, {281, 201, 359, 279}},   {800, 600, {351, 251, 448, 348}},
                          {1024, 768, {449, 321, 574, 446}},  {1280, 1024, {559, 431, 720, 592}},
                          {1600, 1200, {702, 502, 897, 697}}, {1920, 1080, {858, 438, 1061, 641}}};
    for (const Case& c : cases) {
        const RECT r = CentreSquare(c.w, c.h);
        EXPECT_EQ(r.left, c.square.left) << c.w << "x" << c.h;
        EXPECT_EQ(r.top, c.square.top) << c.w << "x" << c.h;
        EXPECT_EQ(r.right, c.square.right) << c.w << "x" << c.h;
        EXPECT_EQ(r.bottom, c.square.bottom) << c.w << "x" << c.h;
        EXPECT_LE(static_cast<long long>(r.right - r.left) * (r.bottom - r.top) * 50, 1LL * c.w * c.h);
    }

    auto canvas = MakeCanvas(1024, 768);
    canvas->Fill(RGB(255, 0, 0));
    canvas->DrawCentreSquare(CentreSquare(1024, 768), 0x00FFFFFF, 0x00000000);
    const Pixels p = Read(*canvas);
    ASSERT_EQ(canvas->palette.entries.size(), 2u);
    EXPECT_EQ(canvas->palette.entries[0], RGB(0, 0, 0));
    EXPECT_EQ(canvas->palette.entries[1], RGB(255, 255, 255));
    EXPECT_TRUE(HoldsStockObjects(canvas->memDC));
    EXPECT_TRUE(RectIs(p, {449, 321, 574, 446}, RGB(255, 255, 255)));
    EXPECT_EQ(CountColor(p, {0, 0, 1024, 768}, RGB(0, 0, 0)), 1024 * 768 - 125 * 125);
}

} // namespace
