#pragma once
#include <windows.h>

// Selects a logical palette into a device context for one scope (as a background palette: FALSE),
// optionally realizes it, and selects the previous palette back, without realizing, on exit.
class CPaletteSelect {
  public:
    CPaletteSelect(HDC dc, HPALETTE palette, bool realize)
        : dc(dc), previous(palette ? ::SelectPalette(dc, palette, FALSE) : nullptr) {
        if (palette && realize)
            ::RealizePalette(dc);
    }
    ~CPaletteSelect() {
        if (previous)
            ::SelectPalette(dc, previous, FALSE);
    }
    CPaletteSelect(const CPaletteSelect&) = delete;
    CPaletteSelect& operator=(const CPaletteSelect&) = delete;

  private:
    HDC dc;
    HPALETTE previous;
};
