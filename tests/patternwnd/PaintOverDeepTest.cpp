// GDI drawing over a 10-bit image: painted pixels as an 8-bit path shows them, the rest at their codes.
#include "GdiObject.h"
#include "PaintOverDeep.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A 40 x 30 image of codes an 8-bit path cannot carry (c differs from its 8-bit level widened), with a
// block of code 513 (8 bits show it as 128, which widens to 514) at columns 20-29, rows 10-19.
CDeepImage CodesImage() {
    CDeepImage image;
    image.Resize(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool block = x >= 20 && x < 30 && y >= 10 && y < 20;
            const int c = block ? 513 : 1 + 4 * ((x * 7 + y * 3) % 255); // 1, 5, 9 ... 1017
            image.Row(y)[x] = DeepPixel(c, block ? c : 1018 - c, c);
        }
    return image;
}

struct Fill {
    RECT rect;
    COLORREF color;
};

TEST(PaintOverDeep, PaintedPixelsWidenedFromEightBitsAndEveryOtherKeepsItsCode) {
    // The 10-bit code of an 8-bit level v is (1023v + 127) div 255: 96 -> 385, 160 -> 642, 235 -> 943,
    // 20 -> 80, 128 -> 514 (never v << 2, which gives 384, 640, 940).
    const struct {
        const char* what;
        RECT area;
        std::vector<Fill> fills;
        RECT painted;        // where the image must change (clipped to the area)
        UINT32 paintedPixel; // to this
        bool opaque = false; // the drawing covers the whole area: painted once
    } cases[] = {
        {"a box in the middle",
         {0, 0, 40, 30},
         {{{5, 5, 15, 10}, RGB(96, 160, 235)}},
         {5, 5, 15, 10},
         DeepPixel(385, 642, 943)},
        {"a fill over all of it, only its area composed",
         {10, 0, 40, 30},
         {{{0, 0, 40, 30}, RGB(20, 20, 20)}},
         {10, 0, 40, 30},
         DeepPixel(80, 80, 80)},
        {"painted in the very colour 8 bits show there",
         {0, 0, 40, 30},
         {{{20, 10, 30, 20}, RGB(128, 128, 128)}},
         {20, 10, 30, 20},
         DeepPixel(514, 514, 514)},
        {"an area reaching past the image",
         {35, 25, 60, 50},
         {{{30, 20, 50, 50}, RGB(235, 235, 235)}},
         {35, 25, 40, 30},
         DeepPixel(943, 943, 943)},
        {"nothing painted", {0, 0, 40, 30}, {}, {0, 0, 0, 0}, 0},
        {"an opaque box, painted once",
         {5, 5, 25, 15},
         {{{5, 5, 25, 15}, RGB(20, 20, 20)}},
         {5, 5, 25, 15},
         DeepPixel(80, 80, 80),
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDeepImage before = CodesImage();
        CDeepImage image = CodesImage(); // where it lies the image shown may be anything: it is written
        PaintOverDeep(
            before, image, c.area,
            [&](HDC dc) {
                for (const Fill& fill : c.fills) {
                    CBrush brush(::CreateSolidBrush(fill.color));
                    ::FillRect(dc, &fill.rect, brush);
                }
            },
            c.opaque);
        int wrong = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const POINT p = {x, y};
                const UINT32 expected = ::PtInRect(&c.painted, p) ? c.paintedPixel : before.Row(y)[x];
                if (image.Row(y)[x] != expected && wrong++ == 0)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << image.Row(y)[x]
                                  << ", not " << expected;
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
