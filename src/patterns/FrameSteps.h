#pragma once
#include "Canvas.h"
#include <vector>

// Frame n of the frame steps at p pixels a frame on the whole canvas (W x H), drawn over frame `over`
// where the canvas holds it (-1: all is drawn). On black: a row of 16 cells, cell i columns i*W/16 to
// (i+1)*W/16 - 2 and rows H/8 to H/4 - 1, cell n mod 16 white and the others gray 32; below, a ladder
// of four rungs, rung j rows (8+j)*H/16 to (9+j)*H/16 - 1, of which only rung n mod 4 shows ticks: white
// where ((c - X) mod W) mod 64 < 8 with X = (n*p) mod W, black elsewhere. Answers the rectangles it wrote.
std::vector<RECT> DrawFrameSteps(CCanvas& canvas, long long n, int p, long long over);
