#pragma once
#include "DeepImage.h"
#include <windows.h>
#include <functional>

// Paints 8-bit GDI drawing (text, a box) over part of a 10-bit picture into the image shown: `paint`
// draws, in the picture's own coordinates, over the area as 8 bits show it. Within the area every pixel
// it painted takes its 8-bit colour widened (TenBitCode), exactly as an 8-bit path would show it, and
// every other pixel the picture's 10-bit code; nothing outside the area is looked at or changed. Where
// the drawing is `opaque` (it paints every pixel of the area) it is painted once; else twice, over the
// area and over its inverse, to tell every pixel painted, even in the very colour it had. The picture
// and the image shown are the same size; they may be one image.
void PaintOverDeep(const CDeepImage& picture, CDeepImage& shown, const RECT& area,
                   const std::function<void(HDC dc)>& paint, bool opaque = false);
