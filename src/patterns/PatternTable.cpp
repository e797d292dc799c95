#include "PatternTable.h"
#include "UniformityGrid.h"
#include <cstring>

namespace {

void LevelRampChart(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawLevelRampChart();
}

void GrayRingChart(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawGrayRingChart();
}

void GrayStepBands(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawGrayStepBands();
}

void CentreSquareOnBlack(CCanvas& canvas, int screenWidth, int screenHeight, const PatternParams& patch) {
    canvas.DrawCentreSquare(PatchSquare(screenWidth, screenHeight, patch.size),
                            RGB(patch.level, patch.level, patch.level), 0x00000000);
}

void GammaChart(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawGammaChart();
}

void InversionChart(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawInversionChart();
}

template <bool inverted> void Checkerboard(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawCheckerboard(inverted);
}

void UniformityGrid(CCanvas& canvas, int, int, const PatternParams& params) {
    canvas.DrawUniformityGrid(params.level, params.size);
}

template <COLORREF color> void Field(CCanvas& canvas, int, int, const PatternParams&) {
    canvas.DrawField(color);
}

} // namespace

const PatternEntry patternTable[] = {
    {patternLevelRampChart, '1', "9", "level ramp chart", true, &LevelRampChart, nullptr},
    {patternGrayRingChart, '2', "8", "gray ring chart", true, &GrayRingChart, nullptr},
    {patternGrayStepBands, '3', "7", "gray step bands", true, &GrayStepBands, nullptr},
    {patternCentreSquare, '4', "11", "centre square", true, &CentreSquareOnBlack, &patchSteps},
    {patternGammaChart, 'G', "gamma", "gamma chart", false, &GammaChart, nullptr},
    {patternInversionChart, 'I', "inversion", "inversion chart", false, &InversionChart, nullptr},
    {patternCheckerboard, 'C', "checker", "contrast checkerboard", false, &Checkerboard<false>, nullptr},
    {patternInvertedCheckerboard, 'C', "checker:inverted", "inverted checkerboard", false,
     &Checkerboard<true>, nullptr},
    {patternUniformityGrid, 'U', "uniformity", "uniformity grid", false, &UniformityGrid, &uniformitySteps},
    {patternRedField, '5', "red", "red field", false, &Field<RGB(255, 0, 0)>, nullptr},
    {patternGreenField, '6', "green", "green field", false, &Field<RGB(0, 255, 0)>, nullptr},
    {patternBlueField, '7', "blue", "blue field", false, &Field<RGB(0, 0, 255)>, nullptr},
    {patternWhiteField, '8', "white", "white field", false, &Field<RGB(255, 255, 255)>, nullptr},
    {patternBlackField, '9', "black", "black field", false, &Field<RGB(0, 0, 0)>, nullptr},
    {patternGrayField, '0', "gray", "50% gray field", false, &Field<RGB(128, 128, 128)>, nullptr},
};

const size_t patternCount = sizeof patternTable / sizeof patternTable[0];

const PatternEntry* FindPattern(PatternMode mode) {
    for (const PatternEntry& entry : patternTable)
        if (entry.mode == mode)
            return &entry;
    return nullptr;
}

const PatternEntry* PatternForKey(char key, PatternMode shown) {
    const char upper = key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
    const PatternEntry* first = nullptr;
    bool afterShown = false;
    for (const PatternEntry& entry : patternTable) {
        if (entry.key == upper) {
            if (afterShown)
                return &entry;
            if (first == nullptr)
                first = &entry;
        }
        afterShown = afterShown || entry.mode == shown;
    }
    return first;
}

const PatternEntry* FindPatternByArgument(const char* argument) {
    for (const PatternEntry& entry : patternTable)
        if (std::strcmp(entry.argument, argument) == 0)
            return &entry;
    return nullptr;
}

int CycleLength() {
    int length = 0;
    for (const PatternEntry& entry : patternTable)
        length += entry.inCycle ? 1 : 0;
    return length;
}

PatternMode CycleMode(int position) {
    for (const PatternEntry& entry : patternTable)
        if (entry.inCycle && position-- == 0)
            return entry.mode;
    return patternNone;
}

int CyclePosition(PatternMode mode) {
    int position = 0;
    for (const PatternEntry& entry : patternTable) {
        if (entry.mode == mode)
            return entry.inCycle ? position : -1;
        position += entry.inCycle ? 1 : 0;
    }
    return -1;
}

PatternParams StandardParams(PatternMode mode) {
    const PatternEntry* entry = FindPattern(mode);
    return entry != nullptr && entry->steps != nullptr ? entry->steps->standard : standardPatch;
}
