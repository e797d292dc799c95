#pragma once
#include "DeepImage.h"
#include <windows.h>

// A picture that calibration software asks for: a background colour, and a patch in another colour
// whose place and size are fractions of the screen (0, 0, 1, 1 is the whole screen). Each colour comes
// as the 8-bit levels shown where patches show at 8 bits, and as 10-bit codes (DeepPixel) for screens
// that show them at 10; `tenBits` says whether the software asked for more than 8 bits.
struct RemotePatch {
    COLORREF background;
    COLORREF color;
    double x, y, cx, cy;
    UINT32 background10 = DeepPixel(0, 0, 0);
    UINT32 color10 = DeepPixel(0, 0, 0);
    bool tenBits = false;

    bool operator==(const RemotePatch& o) const {
        return background == o.background && color == o.color && x == o.x && y == o.y && cx == o.cx &&
               cy == o.cy && background10 == o.background10 && color10 == o.color10 && tenBits == o.tenBits;
    }
    bool operator!=(const RemotePatch& o) const { return !(*this == o); }
};

// The same picture at 8 bits per colour: its 10-bit codes widened from the 8-bit levels.
RemotePatch EightBitPatch(COLORREF background, COLORREF color, double x, double y, double cx, double cy);
// The colours an 8-bit path shows for the 10-bit codes (where a screen cannot show them at 10 bits).
RemotePatch NarrowedPatch(const RemotePatch& patch);

// The patch on a width x height screen: columns floor(x * width + 0.5) to floor((x + cx) * width + 0.5)
// - 1, rows likewise, clipped to the screen (empty where nothing is left).
RECT RemotePatchRect(const RemotePatch& patch, int width, int height);
