#pragma once
#include <windows.h>
#include <vector>

// The screens of a system without monitor enumeration: the desktop as one screen, except the known
// sizes of two screens side by side (landscape and portrait), which are cut into a left and a right half.
std::vector<RECT> SplitSingleDisplay(int width, int height);
