#include "DrawPatternMode.h"
#include "GdiCount.h"
#include "PatternFixture.h"
#include "PatternTable.h"

namespace {

class PatternRobustness : public PatternFixture {};

// The palette each pattern builds, by mode.
size_t PaletteSize(PatternMode mode) {
    switch (mode) {
    case patternLevelRampChart:
        return 1033;
    case patternGrayRingChart:
        return 17;
    case patternGrayStepBands:
        return 49;
    case patternCentreSquare:
    case patternCheckerboard:
    case patternInvertedCheckerboard:
    case patternUniformityGrid:
    case patternRemote:
        return 2;
    case patternGammaChart:
        return 34; // black, the labels' gray, 4 bands of a full colour and 7 patch levels
    case patternInversionChart:
        return 5;
    case patternDepthChart:
        return 256; // every 8-bit level a code of 10 bits can come to
    case patternMovingBlocks:
    case patternMovingBlocksVertical:
        return 5; // the three bands' grays, white and black
    case patternFrameSteps:
        return 3; // black, the cells' gray and white
    default:
        return 1; // a solid field
    }
}

TEST_F(PatternRobustness, EveryPatternEndsOnTinyAndThinCanvases) {
    struct Size {
        int w, h;
    };
    for (const Size& s : {Size{1, 1}, Size{1, 2000}, Size{2000, 1}, Size{9, 9}, Size{31, 31}, Size{32, 32}}) {
        for (size_t i = 0; i < patternCount; ++i) {
            const PatternMode mode = patternTable[i].mode;
            SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << " mode " << mode);
            auto canvas = MakeCanvas(s.w, s.h);
            EXPECT_TRUE(DrawPatternMode(*canvas, mode, s.w, s.h));
            EXPECT_EQ(canvas->palette.entries.size(), PaletteSize(mode));
            EXPECT_TRUE(HoldsStockObjects(canvas->memDC));
        }
    }
    // At 32 x 32 the ring chart still has its grid and its smallest blocks (u = 2).
    auto canvas = MakeCanvas(32, 32);
    canvas->DrawGrayRingChart();
    const Pixels p = Read(*canvas);
    EXPECT_EQ(p.At(15, 5), Gray(191)); // the centre line, columns 14 and 15
    EXPECT_EQ(p.At(1, 1), Gray(255));  // the top-left block's grating line (m = 0), inside the frame
    EXPECT_EQ(p.At(1, 2), Gray(0));    // and its fill
}

TEST_F(PatternRobustness, DrawingLeavesNoGdiObjectBehind) {
    auto canvas = MakeCanvas(640, 480);
    for (size_t i = 0; i < patternCount; ++i) // the first drawing may cache fonts
        patternTable[i].draw(*canvas, 640, 480, standardPatch, Frame());
    const unsigned before = CountGdiObjects();
    {
        // The count must see objects come and go, or the check below proves nothing.
        HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
        ASSERT_EQ(CountGdiObjects(), before + 1);
        ::DeleteObject(probe);
    }
    for (int round = 0; round < 25; ++round)
        for (size_t i = 0; i < patternCount; ++i)
            patternTable[i].draw(*canvas, 640, 480, standardPatch, Frame());
    EXPECT_EQ(CountGdiObjects(), before);
}

} // namespace
