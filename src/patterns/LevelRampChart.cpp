#include "Canvas.h"
#include "LayerClip.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include "Line.h"
#include <algorithm>
#include <boost/lexical_cast.hpp>
#include <string>
#include <vector>

namespace {

const int patchLevels[9] = {251, 253, 255, 64, 128, 192, 0, 2, 4};

void AddRamps(CPalette& palette, int steps, int stepSize) {
    for (int ramp = 0; ramp < 4; ++ramp)
        for (int k = 0; k < steps; ++k) {
            const int v = 255 - stepSize * k;
            const COLORREF colors[4] = {RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v), RGB(v, v, v)};
            palette.AddColor(colors[ramp]);
        }
}

} // namespace

void CCanvas::DrawLevelRampChart() {
    const int w = width, h = height;
    palette.Reset();
    for (int level : patchLevels)
        palette.AddColor(RGB(level, level, level));
    // A palette display gets 52 steps of 5 per ramp (217 entries fit its 256); any other all 256 levels.
    if (displayBits == 8)
        AddRamps(palette, 52, 5);
    else
        AddRamps(palette, 256, 1);
    CPaletteSelect selected = UsePalette();

    const int n = palette.entries.size() <= 256 ? 52 : 256;
    const int q = w / n, p = h / 32, bandTop = (3 * h) / 8, m = (w - n * q) / 2;
    const int y1 = h / 2, y2 = h / 2 + h / 4;
    const UINT32 light = BrushPixel(lightColor), dark = BrushPixel(darkColor);

    // Everything but the patches' labels and outlines, the discs and the border goes in as layers in the
    // chart's order, each pixel written once; each patch's label and outline is drawn afterwards, clipped
    // to stay under the layers that come after that patch (the next patches' fills among them).
    std::vector<Layer> layers = {Layer::Fill({0, 0, w, h}, light),
                                 Layer::Fill({0, h / 2, w, h + h / 2}, dark)};
    std::vector<RECT> patches;
    const size_t firstPatch = layers.size();
    for (int r = 0; r < 3; ++r)
        for (int t = 0; t < 3; ++t) {
            const int left = w / 4 + t * (w / 6), top = 130 + r * (h / 16);
            patches.push_back({left, top, left + w / 6, top + h / 16});
            layers.push_back(Layer::Fill(patches.back(), PalettePixel(3 * r + t)));
        }
    for (int j = 0; j < 4; ++j) {
        std::vector<UINT32> cells(w);
        for (int k = 0; k < n; ++k) {
            const int left = k == 0 ? 0 : m + k * q;
            const int right = k == 0 ? q + m : k == n - 1 ? w : m + (k + 1) * q;
            std::fill(cells.begin() + left, cells.begin() + right, PalettePixel(9 + j * n + k));
        }
        layers.push_back(Layer::Columns({0, bandTop + j * p, w, bandTop + (j + 1) * p}, cells));
    }
    // The grille: white lines along rows y1 and y2, and between them every even column white. Its rows
    // are layers where the patches stay above them; otherwise its columns are drawn over all at the end.
    layers.push_back(Layer::Fill({0, y1, w, y1 + 1}, light));
    layers.push_back(Layer::Fill({0, y2, w, y2 + 1}, light));
    const bool grilleRows = 130 + 3 * (h / 16) <= y1 + 1 && y2 + 1 < h;
    if (grilleRows) {
        std::vector<UINT32> grille(w, dark);
        for (int x = 0; x < w; x += 2)
            grille[x] = light;
        layers.push_back(Layer::Columns({0, y1 + 1, w, y2}, grille));
    }
    Compose(layers);

    for (size_t i = 0; i < patches.size(); ++i) {
        CLayerClip clipped(memDC, layers, firstPatch + i + 1);
        DrawLevelPatch(memDC, patches[i], CLR_INVALID, palette.entries[i]);
    }
    if (!grilleRows)
        FillEveryOtherColumn({0, y1, w, y2}, light);

    DrawDisc(memDC, {0, 0, 128, 128}, lightColor);
    DrawDisc(memDC, {w - 128, 0, w, 128}, lightColor);
    DrawDisc(memDC, {0, h - 128, 128, h}, lightColor);
    DrawDisc(memDC, {w - 128, h - 128, w, h}, lightColor);
    DrawBorder(lightColor);
}

void CCanvas::DrawLevelPatch(HDC dc, const RECT& rect, COLORREF fill, COLORREF entry) {
    if (fill != CLR_INVALID) {
        CBrush brush(::CreateSolidBrush(fill));
        ::FillRect(dc, &rect, brush);
    }
    const int level = entry & 0xFF;
    const std::string text = boost::lexical_cast<std::string>(level);
    const COLORREF previousColor = ::SetTextColor(dc, level < 130 ? lightColor : darkColor);
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutA(dc, rect.left + 3, rect.top + 3, text.c_str(), static_cast<int>(text.size()));
    {
        CPen pen(::CreatePen(PS_SOLID, 1, darkColor));
        CGdiSelect selectedPen(dc, pen);
        ::MoveToEx(dc, rect.left, rect.top, nullptr);
        ::LineTo(dc, rect.right - 1, rect.top);
        ::LineTo(dc, rect.right - 1, rect.bottom - 1);
        ::LineTo(dc, rect.left, rect.bottom - 1);
        ::LineTo(dc, rect.left, rect.top);
    }
    ::SetTextColor(dc, previousColor);
}

void CCanvas::DrawDisc(HDC dc, const RECT& rect, COLORREF color) {
    CPen pen(::CreatePen(PS_SOLID, 1, color));
    CBrush brush(::CreateSolidBrush(color));
    CGdiSelect selectedPen(dc, pen);
    CGdiSelect selectedBrush(dc, brush);
    ::Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void CCanvas::DrawBorder(COLORREF color) {
    CPen pen(::CreatePen(PS_SOLID, 1, color));
    CGdiSelect selectedPen(memDC, pen);
    ::MoveToEx(memDC, 0, 0, nullptr);
    ::LineTo(memDC, width - 1, 0);
    ::LineTo(memDC, width - 1, height - 1);
    ::LineTo(memDC, 0, height - 1);
    ::LineTo(memDC, 0, 0);
}
