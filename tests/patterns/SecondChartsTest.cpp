#include "PatternFixture.h"
#include "PatternTable.h"
#include "UniformitySteps.h"
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

// What the definition of a chart gives one pixel of a w x h screen: its colour, or, where a label may
// be written, the background colour the label's gray may replace (label true).
struct Expected {
    COLORREF color;
    bool label;
};
using Definition = std::function<Expected(int x, int y, int w, int h)>;

// The index of the part (of `parts` equal integer parts of `extent`) that holds v.
int Part(int v, int extent, int parts) {
    int k = 0;
    while ((k + 1) * extent / parts <= v)
        ++k;
    return k;
}

bool Within(int v, int from, int to) {
    return v >= from && v < to;
}

const COLORREF black = RGB(0, 0, 0), labelGray = Gray(128);

Expected Gamma(int x, int y, int w, int h) {
    const double gammas[7] = {1.6, 1.8, 2.0, 2.2, 2.4, 2.6, 2.8};
    const int band = Part(y, h, 4), column = Part(x, w, 7);
    const int y0 = band * h / 4, bh = (band + 1) * h / 4 - y0, x0 = column * w / 7;
    const int cw = (column + 1) * w / 7 - x0;
    auto color = [band](int v) {
        const COLORREF colors[4] = {Gray(v), RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v)};
        return colors[band];
    };
    if (Within(x, x0 + cw / 4, x0 + 3 * cw / 4)) {
        if (Within(y, y0 + bh / 4, y0 + 3 * bh / 4))
            return {color(static_cast<int>(std::lround(255 * std::pow(0.5, 1 / gammas[column])))), false};
        const int boxTop = y0 + 13 * bh / 16, boxBottom = y0 + 15 * bh / 16;
        if (Within(y, boxTop, boxBottom))
            return {black, boxBottom - boxTop >= 12};
    }
    return {y % 2 == 0 ? color(255) : black, false};
}

Expected Inversion(int x, int y, int w, int h) {
    const int c = Part(x, w, 4), r = Part(y, h, 3), m = std::min(w / 4, h / 3) / 8;
    const int left = c * w / 4 + m, right = (c + 1) * w / 4 - m, top = r * h / 3 + m;
    if (!Within(x, left, right) || !Within(y, top, (r + 1) * h / 3 - m))
        return {black, m >= 12 && Within(x, left, right) && Within(y, top - m, top)};
    const int tile = 4 * r + c, kind = tile / 2;
    const int walks[6] = {x + y, x + y / 2, y, x, x + y, x + y / 2};
    const bool first = (walks[kind] % 2 == 0) != (tile % 2 == 1);
    if (kind >= 4)
        return {first ? RGB(159, 0, 159) : RGB(0, 159, 0), false};
    return {first ? Gray(159) : black, false};
}

Definition Checker(bool inverted) {
    return [inverted](int x, int y, int w, int h) {
        const bool white = (Part(x, w, 4) + Part(y, h, 4)) % 2 == 0;
        return Expected{white != inverted ? Gray(255) : black, false};
    };
}

Definition Grid(int level, int n) {
    return [level, n](int x, int y, int w, int h) {
        bool line = false;
        for (int k = 1; k < n; ++k)
            line = line || x == k * w / n || y == k * h / n;
        return Expected{line ? Gray(level >= 128 ? level - 64 : level + 64) : Gray(level), false};
    };
}

// The depth chart's code at a pixel, as its definition gives it: eight bands of rows, each pair one ramp
// over 256 codes, the lower band of a pair as 8 bits carry the code.
int DepthCode(int x, int y, int w, int h) {
    const int band = Part(y, h, 8), code = 256 * (band / 2) + x * 256 / w;
    return band % 2 == 0 ? code : (1023 * ((255 * code + 511) / 1023) + 127) / 255;
}

// As a path of 8 bits shows it.
Expected Depth8(int x, int y, int w, int h) {
    return {Gray((255 * DepthCode(x, y, w, h) + 511) / 1023), false};
}

class SecondCharts : public PatternFixture {};

TEST_F(SecondCharts, EveryPixelAsDefinedAtEverySizeOnDeepAndPaletteDisplays) {
    const struct {
        const char* argument;
        PatternParams params;
        Definition definition;
    } charts[] = {
        {"gamma", standardPatch, &Gamma},           {"inversion", standardPatch, &Inversion},
        {"checker", standardPatch, Checker(false)}, {"checker:inverted", standardPatch, Checker(true)},
        {"uniformity", {128, 3}, Grid(128, 3)},     {"uniformity", {127, 5}, Grid(127, 5)},
        {"uniformity", {255, 9}, Grid(255, 9)},     {"uniformity", {0, 9}, Grid(0, 9)},
        {"depth", standardPatch, &Depth8}};
    struct Size {
        int w, h;
    };
    for (int bits : {32, 8})
        for (const Size& s : {Size{1, 1}, Size{7, 5}, Size{101, 100}, Size{1025, 767}, Size{768, 1366}}) {
            auto canvas = MakeCanvas(s.w, s.h, bits);
            for (const auto& chart : charts) {
                SCOPED_TRACE(testing::Message()
                             << chart.argument << " " << chart.params.level << ":" << chart.params.size
                             << ", " << s.w << "x" << s.h << ", " << bits << " bits");
                canvas->Fill(RGB(12, 34, 56)); // nothing of this may remain
                const PatternEntry* entry = FindPatternByArgument(chart.argument);
                ASSERT_NE(entry, nullptr);
                entry->draw(*canvas, s.w, s.h, chart.params, Frame());
                EXPECT_TRUE(HoldsStockObjects(canvas->memDC));
                const Pixels p = Read(*canvas);
                int labelPixels = 0, labelPlaces = 0, wrong = 0;
                for (int y = 0; y < s.h; ++y)
                    for (int x = 0; x < s.w; ++x) {
                        const Expected e = chart.definition(x, y, s.w, s.h);
                        const COLORREF got = p.At(x, y);
                        labelPlaces += e.label;
                        labelPixels += e.label && got == labelGray;
                        if (got != e.color && !(e.label && got == labelGray) && wrong++ < 3) {
                            ADD_FAILURE()
                                << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected "
                                << e.color << (e.label ? " or the label's gray" : "");
                        }
                    }
                EXPECT_EQ(wrong, 0);
                if (labelPlaces > 0) { // the labels are written, in the label's gray
                    EXPECT_GT(labelPixels, labelPlaces / 100) << "labels missing";
                }
            }
        }
}

TEST(DepthChart, EveryCodeAsDefinedAtTenBitsAtEverySize) {
    struct Size {
        int w, h;
    };
    for (const Size& s : {Size{1, 1}, Size{7, 5}, Size{200, 100}, Size{1025, 767}, Size{3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        CDeepImage image;
        image.Resize(s.w, s.h);
        std::fill(image.pixels.begin(), image.pixels.end(), 0x12345678u); // nothing of this may remain
        FindPatternByArgument("depth")->drawDeep(image, standardPatch);
        int wrong = 0;
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) {
                const int c = DepthCode(x, y, s.w, s.h);
                const UINT32 expected = 0xC0000000u | (static_cast<UINT32>(c) << 20) | (c << 10) | c;
                if (image.Row(y)[x] != expected && wrong++ < 3)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << image.Row(y)[x]
                                  << ", expected " << expected;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(SecondChartKeys, LettersInEitherCaseAndTheCheckerboardTakingTurns) {
    const struct {
        char key;
        PatternMode shown, expected;
    } cases[] = {{'g', patternLevelRampChart, patternGammaChart},
                 {'G', patternGammaChart, patternGammaChart},
                 {'i', patternRedField, patternInversionChart},
                 {'U', patternCentreSquare, patternUniformityGrid},
                 {'c', patternGammaChart, patternCheckerboard},
                 {'C', patternCheckerboard, patternInvertedCheckerboard},
                 {'c', patternInvertedCheckerboard, patternCheckerboard},
                 {'C', patternUniformityGrid, patternCheckerboard},
                 {'4', patternCheckerboard, patternCentreSquare},
                 {'d', patternCentreSquare, patternDepthChart},
                 {'0', patternInvertedCheckerboard, patternGrayField}};
    for (const auto& c : cases) {
        const PatternEntry* entry = PatternForKey(c.key, c.shown);
        ASSERT_NE(entry, nullptr) << c.key;
        EXPECT_EQ(entry->mode, c.expected) << "key " << c.key << " while " << c.shown << " is shown";
    }
    for (char key : {'a', 'z', 'Q', '?', ' '})
        EXPECT_EQ(PatternForKey(key, patternGammaChart), nullptr) << key;

    // The grid's arrows: the level as the centre square's, the regions 3, 5, 9; Home back to 128 in 3.
    PatternParams params = uniformitySteps.standard;
    EXPECT_EQ(uniformitySteps.label(params), L"50% (128) \u00B7 3\u00D73");
    const struct {
        WPARAM key;
        bool fine;
        PatternParams after;
    } steps[] = {{VK_RIGHT, false, {128, 5}}, {VK_RIGHT, false, {128, 9}}, {VK_RIGHT, false, {128, 9}},
                 {VK_UP, false, {153, 9}},    {VK_DOWN, true, {152, 9}},   {VK_LEFT, false, {152, 5}},
                 {VK_HOME, false, {128, 3}},  {VK_LEFT, false, {128, 3}}};
    for (const auto& step : steps) {
        ASSERT_TRUE(StepParams(uniformitySteps, step.key, step.fine, params));
        EXPECT_TRUE(params == step.after) << step.key << ": " << params.level << " " << params.size;
    }
    EXPECT_FALSE(StepParams(uniformitySteps, VK_END, false, params));
    EXPECT_EQ(uniformitySteps.label({230, 9}), L"90% (230) \u00B7 9\u00D79");
}

} // namespace
