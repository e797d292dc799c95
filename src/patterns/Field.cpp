#include "Canvas.h"

void CCanvas::DrawField(COLORREF color) {
    palette.Reset();
    palette.AddColor(color);
    CPaletteSelect selected = UsePalette();
    Fill(PALETTEINDEX(0));
}
