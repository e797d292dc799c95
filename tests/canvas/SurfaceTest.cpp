#include "Canvas.h"
#include "Pixels.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

class SurfaceTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(window.CreateAt(0, 0, 120, 80)); }

    Pixels ReadCanvas(const CCanvas& canvas) {
        return ReadPixels(canvas.memDC, 0, 0, canvas.width, canvas.height);
    }

    TestWindow window{"tessaryn test surface owner"};
};

TEST_F(SurfaceTest, CreateMakesAWhiteSurfaceOnceAndOnlyWithBothSides) {
    CCanvas canvas(window.handle);
    EXPECT_EQ(canvas.memDC, nullptr);
    EXPECT_EQ(canvas.darkColor, 0x00FFFFFFu);
    EXPECT_EQ(canvas.lightColor, 0x00FFFFFFu);

    EXPECT_FALSE(canvas.Create(0, 10));
    EXPECT_FALSE(canvas.Create(10, 0));
    EXPECT_EQ(canvas.memDC, nullptr);
    EXPECT_EQ(canvas.bitmap, nullptr);
    EXPECT_EQ(canvas.width, 0);

    ASSERT_TRUE(canvas.Create(30, 20));
    EXPECT_NE(canvas.bitmap, nullptr);
    EXPECT_EQ(::GetCurrentObject(canvas.memDC, OBJ_BITMAP), canvas.bitmap);
    Pixels p = ReadCanvas(canvas);
    EXPECT_TRUE(RectIs(p, {0, 0, 30, 20}, RGB(255, 255, 255)));

    HDC before = canvas.memDC;
    EXPECT_FALSE(canvas.Create(40, 40)); // a surface exists: nothing changes
    EXPECT_EQ(canvas.memDC, before);
    EXPECT_EQ(canvas.width, 30);
}

TEST_F(SurfaceTest, ResizeKeepsAnUnchangedSurfaceAndRemakesAChangedOneDark) {
    CCanvas canvas(window.handle);
    ASSERT_TRUE(canvas.Create(30, 20));
    canvas.darkColor = RGB(0, 0, 0);
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
    RECT mark = {5, 6, 9, 10};
    ::FillRect(canvas.memDC, &mark, red);
    ::DeleteObject(red);

    HBITMAP bitmap = canvas.bitmap;
    EXPECT_TRUE(canvas.Resize(30, 20));
    EXPECT_EQ(canvas.bitmap, bitmap);
    Pixels kept = ReadCanvas(canvas);
    EXPECT_TRUE(RectIs(kept, mark, RGB(255, 0, 0)));
    EXPECT_TRUE(RectIs(kept, {0, 0, 30, 6}, RGB(255, 255, 255)));

    EXPECT_TRUE(canvas.Resize(41, 7));
    EXPECT_EQ(canvas.width, 41);
    EXPECT_EQ(canvas.height, 7);
    BITMAP info = {};
    ::GetObjectA(canvas.bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 41);
    EXPECT_EQ(info.bmHeight, 7);
    EXPECT_TRUE(RectIs(ReadCanvas(canvas), {0, 0, 41, 7}, RGB(0, 0, 0)));

    EXPECT_FALSE(canvas.Resize(0, 7));
    EXPECT_EQ(canvas.memDC, nullptr);
    EXPECT_EQ(canvas.bitmap, nullptr);
    EXPECT_TRUE(canvas.Resize(3, 3)); // and it comes back
    EXPECT_NE(canvas.memDC, nullptr);
}

TEST_F(SurfaceTest, DestroyIsHarmlessWithoutASurface) {
    CCanvas canvas(window.handle);
    canvas.Destroy();
    ASSERT_TRUE(canvas.Create(5, 5));
    canvas.Destroy();
    EXPECT_EQ(canvas.memDC, nullptr);
    EXPECT_EQ(canvas.bitmap, nullptr);
    EXPECT_EQ(canvas.width, 5); // the size is kept
    canvas.Destroy();
    EXPECT_EQ(canvas.memDC, nullptr);
}

TEST_F(SurfaceTest, PaintCopiesOnlyTheUpdateRectangleThroughThePalette) {
    // True colours, and palette indices as on a palette display (painted through the realized palette).
    for (bool indexed : {false, true}) {
        SCOPED_TRACE(indexed ? "palette indices" : "true colours");
        CCanvas canvas(window.handle);
        if (indexed)
            canvas.readPaletteDisplay = [](HWND) { return true; };
        window.canvas = &canvas;
        ASSERT_TRUE(canvas.Create(120, 80));
        EXPECT_EQ(canvas.bitsPerPixel, indexed ? 8 : 32);
        canvas.Fill(RGB(255, 255, 255));
        window.Invalidate(nullptr, false);
        window.Update();
        ASSERT_TRUE(RectIs(ReadWindow(window.handle), {0, 0, 120, 80}, RGB(255, 255, 255)));

        // A pattern of two palette colours, the upper and lower half apart; then only part is repainted.
        canvas.DrawCentreSquare({0, 40, 120, 80}, RGB(200, 100, 50), RGB(10, 20, 30));
        RECT part = {10, 20, 50, 60};
        window.Invalidate(&part, false);
        window.Update();
        Pixels shown = ReadWindow(window.handle);
        EXPECT_TRUE(RectIs(shown, {10, 20, 50, 40}, RGB(10, 20, 30)));
        EXPECT_TRUE(RectIs(shown, {10, 40, 50, 60}, RGB(200, 100, 50)));
        EXPECT_EQ(CountColor(shown, {0, 0, 120, 80}, RGB(255, 255, 255)), 120 * 80 - 40 * 40);
        window.canvas = nullptr;
    }
}

TEST_F(SurfaceTest, RowWorkWritesExactlyItsPixelsClippedToTheSurface) {
    for (bool indexed : {false, true}) {
        SCOPED_TRACE(indexed ? "palette indices" : "true colours");
        CCanvas canvas(window.handle);
        canvas.readPaletteDisplay = indexed ? [](HWND) { return true; } : [](HWND) { return false; };
        ASSERT_TRUE(canvas.Create(13, 9));         // odd sizes: rows padded on the 8-bit surface
        const UINT32 white = canvas.PixelAt(5, 5); // as GDI wrote it
        canvas.Fill(RGB(0, 0, 0));
        ASSERT_NE(canvas.PixelAt(5, 5), white);

        // Every other column from the area's left edge, even where the area starts off the surface.
        canvas.FillEveryOtherColumn({-3, 1, 20, 3}, white);
        Pixels p = ReadCanvas(canvas);
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(p.At(x, 1), x % 2 == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255)) << "column " << x;
        EXPECT_TRUE(RectIs(p, {0, 0, 13, 1}, RGB(0, 0, 0)));
        EXPECT_TRUE(RectIs(p, {0, 3, 13, 9}, RGB(0, 0, 0)));

        // A row written from the left and cut at the right edge, then copied down part of the surface.
        canvas.WriteRow(4, 10, std::vector<UINT32>(5, white));
        canvas.FillPixels({2, 4, 4, 5}, white);
        canvas.CopyRowDown({3, 5, 11, 20}, 4);
        p = ReadCanvas(canvas);
        EXPECT_TRUE(RectIs(p, {10, 4, 13, 5}, RGB(255, 255, 255)));
        EXPECT_TRUE(RectIs(p, {2, 4, 4, 5}, RGB(255, 255, 255)));
        EXPECT_TRUE(RectIs(p, {3, 5, 4, 9}, RGB(255, 255, 255)));
        EXPECT_TRUE(RectIs(p, {10, 5, 11, 9}, RGB(255, 255, 255)));
        EXPECT_EQ(CountColor(p, {0, 4, 13, 9}, RGB(255, 255, 255)), 5 + 2 * 4);
    }
}

} // namespace
