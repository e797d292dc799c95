#pragma once
#include "DeepImage.h"
#include <windows.h>
#include <functional>

// Paints 8-bit GDI drawing (text, a box) over part of a 10-bit image: `paint` draws, in the image's own
// coordinates, over the area as 8 bits show it. Within the area every pixel it painted takes its 8-bit
// colour widened (TenBitCode), exactly as an 8-bit path would show it; every other pixel of the image
// keeps its 10-bit code. Nothing outside the area is looked at.
void PaintOverDeep(CDeepImage& image, const RECT& area, const std::function<void(HDC dc)>& paint);
