#include "DrawPatternMode.h"
#include "CentreSquareRect.h"

bool DrawPatternMode(CCanvas& canvas, PatternMode mode, int screenWidth, int screenHeight) {
    switch (mode) {
    case patternGrayStepBands:
        canvas.DrawGrayStepBands();
        return true;
    case patternGrayRingChart:
        canvas.DrawGrayRingChart();
        return true;
    case patternLevelRampChart:
        canvas.DrawLevelRampChart();
        return true;
    case patternCentreSquare:
        canvas.DrawCentreSquare(CentreSquare(screenWidth, screenHeight), 0x00FFFFFF, 0x00000000);
        return true;
    default:
        return false;
    }
}
