#include "Canvas.h"
#include "PaletteSelect.h"

void CCanvas::DrawCentreSquare(const RECT& square, COLORREF squareColor, COLORREF backgroundColor) {
    palette.Reset();
    palette.AddColor(backgroundColor);
    palette.AddColor(squareColor);
    palette.Create(0);
    CPaletteSelect selected(memDC, palette.handle, true);
    Fill(PALETTEINDEX(0));
    FillSolid(square, PALETTEINDEX(1));
}
