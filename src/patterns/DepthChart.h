#pragma once
#include "DeepImage.h"

// The depth chart, in 10-bit codes with all three colours alike, on a width x height screen: eight
// bands of rows, band b from row b*H/8 to (b+1)*H/8 - 1; bands 2p and 2p+1 ramp over the codes 256p to
// 256p + 255, the code at column x being 256p + x*256/W; the upper band of each pair shows the code, the
// lower one the code an 8-bit path makes of it (TenBitCode(EightBitLevel(c))). No text. The chart at 10
// bits, for a swap chain.
void DrawDepthChart(CDeepImage& image);
