#pragma once
#include "Canvas.h"
#include "Patch.h"
#include "PatternMode.h"

// Runs the routine of one pattern mode on a canvas of a screenWidth x screenHeight screen (with its
// parameters). Modes without a pattern (0 among them) draw nothing; the result says
// whether anything was drawn.
bool DrawPatternMode(CCanvas& canvas, PatternMode mode, int screenWidth, int screenHeight,
                     const PatternParams& params = standardPatch);
