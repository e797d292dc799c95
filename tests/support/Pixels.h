#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdint>
#include <vector>

// Pixels read back from a device context as COLORREFs (0x00BBGGRR), row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> data;

    COLORREF At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

// Copies (x, y, width, height) of a DC into a bitmap and reads it with GetDIBits at 32 bits.
Pixels ReadPixels(HDC dc, int x, int y, int width, int height);
Pixels ReadWindow(HWND window);

// Every pixel of rect (right and bottom exclusive) has the colour; the message names the first that has not.
testing::AssertionResult RectIs(const Pixels& p, const RECT& rect, COLORREF color);
// Number of pixels of rect that have the colour.
int CountColor(const Pixels& p, const RECT& rect, COLORREF color);

inline COLORREF Gray(int level) {
    return RGB(level, level, level);
}
