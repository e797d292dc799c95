#include "Canvas.h"

void CCanvas::DrawCentreSquare(const RECT& square, COLORREF squareColor, COLORREF backgroundColor) {
    palette.Reset();
    palette.AddColor(backgroundColor);
    palette.AddColor(squareColor);
    CPaletteSelect selected = UsePalette();
    Fill(PALETTEINDEX(0));
    FillSolid(square, PALETTEINDEX(1));
}

// Calibration software's picture: the same two colours, but the background only around the patch, so
// that every pixel is written once however large the patch.
void CCanvas::DrawPatchOnBackground(const RECT& patch, COLORREF patchColor, COLORREF backgroundColor) {
    palette.Reset();
    palette.AddColor(backgroundColor);
    palette.AddColor(patchColor);
    CPaletteSelect selected = UsePalette();
    const COLORREF background = PALETTEINDEX(0);
    FillSolid({0, 0, width, patch.top}, background);
    FillSolid({0, patch.bottom, width, height}, background);
    FillSolid({0, patch.top, patch.left, patch.bottom}, background);
    FillSolid({patch.right, patch.top, width, patch.bottom}, background);
    FillSolid(patch, PALETTEINDEX(1));
}
