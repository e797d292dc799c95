#pragma once
#include "Canvas.h"
#include <vector>

// Frame n of the moving blocks at p pixels a frame on the whole canvas (W x H), drawn over frame `over`
// where the canvas holds it (-1: the canvas holds no frame of them, all is drawn). Three bands of gray
// 64, 128 and 192 (band k of rows k*H/3 to (k+1)*H/3 - 1); in each, rows of height s = min(H/9, W/2)
// centred in the band; there, at X = (n*p) mod W, a white block of s columns and a black one of s after
// it, moving right and coming round from the left edge. `vertical` turns it a quarter: bands of columns,
// blocks moving down. Answers the rectangles it wrote.
std::vector<RECT> DrawMovingBlocks(CCanvas& canvas, bool vertical, long long n, int p, long long over);
