#pragma once
#include "Overlay.h"
#include <windows.h>
#include <vector>

// How a pattern window's content reaches its screen: through GDI (8 bits per colour, exact on every
// display) or through a swap chain of 10 bits per colour. Each output holds a picture of its own kind,
// which the window draws into; Show puts on the screen what changed of it since the last time, with
// what lies over it, in one blit or one present.
class CScreenOutput {
  public:
    virtual ~CScreenOutput() = default;

    // Bits per colour it carries.
    virtual int BitsPerColor() const = 0;
    // Shows the picture where it changed (rectangles of the window; all of it for a new pattern) and
    // the overlay over it, in place of the one shown before; false where nothing could be shown.
    virtual bool Show(const std::vector<RECT>& changed, const Overlay& overlay) = 0;
    // The other output shows the screen from now on.
    virtual void Hide() = 0;
};

// Rectangles that overlap made one (their bounding box), so that nothing is composed twice.
std::vector<RECT> MergedRects(std::vector<RECT> rects);
