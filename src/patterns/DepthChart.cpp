// The depth chart: eight bands of gray ramps, each pair once at 10 bits and once as 8 bits carry it.
#include "DepthChart.h"
#include "Canvas.h"
#include <vector>

namespace {

int BandTop(int band, int height) {
    return band * height / 8;
}

// The codes of one band's rows.
std::vector<int> BandCodes(int band, int width) {
    std::vector<int> codes(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        const int code = 256 * (band / 2) + x * 256 / width;
        codes[static_cast<size_t>(x)] = band % 2 == 0 ? code : TenBitCode(EightBitLevel(code));
    }
    return codes;
}

} // namespace

void DrawDepthChart(CDeepImage& image) {
    for (int band = 0; band < 8; ++band) {
        const std::vector<int> codes = BandCodes(band, image.width);
        std::vector<std::vector<UINT32>> row(1, std::vector<UINT32>(codes.size()));
        for (size_t x = 0; x < codes.size(); ++x)
            row[0][x] = DeepPixel(codes[x], codes[x], codes[x]);
        image.WriteRowCycle(BandTop(band, image.height), BandTop(band + 1, image.height), row);
    }
}

// As an 8-bit path shows it: both bands of a pair alike, each code at its 8-bit level.
void CCanvas::DrawDepthChart() {
    const int w = width, h = height;
    palette.Reset();
    for (int level = 0; level < 256; ++level)
        palette.AddColor(RGB(level, level, level));
    CPaletteSelect selected = UsePalette();
    for (int band = 0; band < 8; ++band) {
        const std::vector<int> codes = BandCodes(band, w);
        std::vector<std::vector<UINT32>> row(1, std::vector<UINT32>(codes.size()));
        for (size_t x = 0; x < codes.size(); ++x)
            row[0][x] = PalettePixel(EightBitLevel(codes[x]));
        WriteRowCycle(BandTop(band, h), BandTop(band + 1, h), row);
    }
}
