#include "DrawPatternMode.h"
#include "PatternTable.h"

bool DrawPatternMode(CCanvas& canvas, PatternMode mode, int screenWidth, int screenHeight,
                     const PatternParams& params) {
    const PatternEntry* pattern = FindPattern(mode);
    if (pattern == nullptr)
        return false;
    pattern->draw(canvas, screenWidth, screenHeight, params, Frame());
    return true;
}
