#include "Canvas.h"

void CCanvas::DrawCentreSquare(const RECT& square, COLORREF squareColor, COLORREF backgroundColor) {
    palette.Reset();
    palette.AddColor(backgroundColor);
    palette.AddColor(squareColor);
    CPaletteSelect selected = UsePalette();
    Fill(PALETTEINDEX(0));
    FillSolid(square, PALETTEINDEX(1));
}
