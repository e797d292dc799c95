#include "PatternFixture.h"
#include "PatternTable.h"

namespace {

class Field : public PatternFixture {};

TEST_F(Field, EachFieldFillsEveryPixelWithExactlyItsColourOnDeepAndPaletteDisplays) {
    const struct {
        PatternMode mode;
        COLORREF color;
    } fields[] = {{patternRedField, RGB(255, 0, 0)},  {patternGreenField, RGB(0, 255, 0)},
                  {patternBlueField, RGB(0, 0, 255)}, {patternWhiteField, RGB(255, 255, 255)},
                  {patternBlackField, RGB(0, 0, 0)},  {patternGrayField, RGB(128, 128, 128)}};
    struct Size {
        int w, h;
    };
    for (int bits : {32, 8})
        for (const Size& size : {Size{1, 1}, Size{7, 5}, Size{1025, 767}, Size{3840, 2160}}) {
            auto canvas = MakeCanvas(size.w, size.h, bits);
            for (const auto& field : fields) {
                SCOPED_TRACE(testing::Message() << "mode " << field.mode << ", " << size.w << "x" << size.h
                                                << ", " << bits << " bits");
                canvas->Fill(RGB(12, 34, 56)); // nothing of this may remain
                FindPattern(field.mode)->draw(*canvas, size.w, size.h, standardPatch, Frame());
                ASSERT_EQ(canvas->palette.entries, std::vector<COLORREF>{field.color});
                EXPECT_TRUE(RectIs(Read(*canvas), {0, 0, size.w, size.h}, field.color));
                EXPECT_TRUE(HoldsStockObjects(canvas->memDC));
            }
        }
}

} // namespace
