#pragma once
#include "Canvas.h"
#include "Pixels.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>

// Canvases as a pattern window makes them (white first, then darkColor black), owned by one hidden
// window, for a display of the depth the test chooses: 8 bits means a palette display, whose canvas
// holds palette indices.
class PatternFixture : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    std::unique_ptr<CCanvas> MakeCanvas(int width, int height, int displayBits = 32);
    static Pixels Read(const CCanvas& canvas);

    static TestWindow* owner;
};

// The memory DC holds the stock pen, brush, font and palette again, as it did when made.
testing::AssertionResult HoldsStockObjects(HDC dc);
