#pragma once
#include <windows.h>

// A picture that calibration software asks for: a background colour, and a patch in another colour
// whose place and size are fractions of the screen (0, 0, 1, 1 is the whole screen).
struct RemotePatch {
    COLORREF background;
    COLORREF color;
    double x, y, cx, cy;

    bool operator==(const RemotePatch& o) const {
        return background == o.background && color == o.color && x == o.x && y == o.y && cx == o.cx &&
               cy == o.cy;
    }
    bool operator!=(const RemotePatch& o) const { return !(*this == o); }
};

// The patch on a width x height screen: columns floor(x * width + 0.5) to floor((x + cx) * width + 0.5)
// - 1, rows likewise, clipped to the screen (empty where nothing is left).
RECT RemotePatchRect(const RemotePatch& patch, int width, int height);
