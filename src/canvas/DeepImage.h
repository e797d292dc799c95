#pragma once
#include <windows.h>
#include <vector>

// An image of 10 bits per colour as a swap chain of DXGI_FORMAT_R10G10B10A2_UNORM takes it: a pixel holds
// red in bits 0-9, green in 10-19, blue in 20-29 and an opaque alpha in 30-31; rows top first.
class CDeepImage {
  public:
    // Makes it width x height (its pixels then undefined); nothing happens at the same size.
    void Resize(int width, int height);
    UINT32* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const UINT32* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
    // Rows top to bottom - 1, whole width, from a cycle of rows: row y is rows[y % rows.size()]. The
    // first cycle is written, the rest copied from the rows one cycle above.
    void WriteRowCycle(int top, int bottom, const std::vector<std::vector<UINT32>>& rows);

    int width = 0;
    int height = 0;
    std::vector<UINT32> pixels;
};

// A pixel of three 10-bit codes.
inline UINT32 DeepPixel(int red, int green, int blue) {
    return 0xC0000000u | (static_cast<UINT32>(blue) << 20) | (static_cast<UINT32>(green) << 10) |
           static_cast<UINT32>(red);
}
// The 8-bit level that a path of 8 bits shows for a 10-bit code: round(255c / 1023), halves up.
inline int EightBitLevel(int code) {
    return (255 * code + 511) / 1023;
}
// The 10-bit code that shows an 8-bit level exactly: round(1023v / 255), halves up.
inline int TenBitCode(int level) {
    return (1023 * level + 127) / 255;
}
