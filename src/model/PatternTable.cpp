#include "PatternTable.h"
#include "DepthChart.h"
#include "FrameSteps.h"
#include "MotionSteps.h"
#include "MovingBlocks.h"
#include "Texts.h"
#include "UniformitySteps.h"
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// What a still pattern writes: all of the canvas.
std::vector<RECT> Whole(const CCanvas& canvas) {
    return {{0, 0, canvas.width, canvas.height}};
}

std::vector<RECT> MovingBlocks(CCanvas& canvas, int, int, const PatternParams&, const Frame& frame) {
    return DrawMovingBlocks(canvas, false, frame.n, frame.p, frame.over);
}

std::vector<RECT> MovingBlocksVertical(CCanvas& canvas, int, int, const PatternParams&, const Frame& frame) {
    return DrawMovingBlocks(canvas, true, frame.n, frame.p, frame.over);
}

std::vector<RECT> FrameSteps(CCanvas& canvas, int, int, const PatternParams&, const Frame& frame) {
    return DrawFrameSteps(canvas, frame.n, frame.p, frame.over);
}

std::vector<RECT> LevelRampChart(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawLevelRampChart();
    return Whole(canvas);
}

std::vector<RECT> GrayRingChart(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawGrayRingChart();
    return Whole(canvas);
}

std::vector<RECT> GrayStepBands(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawGrayStepBands();
    return Whole(canvas);
}

std::vector<RECT> CentreSquareOnBlack(CCanvas& canvas, int screenWidth, int screenHeight,
                                      const PatternParams& patch, const Frame&) {
    canvas.DrawCentreSquare(PatchSquare(screenWidth, screenHeight, patch.size),
                            RGB(patch.level, patch.level, patch.level), 0x00000000);
    return Whole(canvas);
}

std::vector<RECT> GammaChart(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawGammaChart();
    return Whole(canvas);
}

std::vector<RECT> InversionChart(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawInversionChart();
    return Whole(canvas);
}

template <bool inverted>
std::vector<RECT> Checkerboard(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawCheckerboard(inverted);
    return Whole(canvas);
}

std::vector<RECT> UniformityGrid(CCanvas& canvas, int, int, const PatternParams& params, const Frame&) {
    canvas.DrawUniformityGrid(params.level, params.size);
    return Whole(canvas);
}

template <COLORREF color>
std::vector<RECT> Field(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawField(color);
    return Whole(canvas);
}

std::vector<RECT> DepthChart8(CCanvas& canvas, int, int, const PatternParams&, const Frame&) {
    canvas.DrawDepthChart();
    return Whole(canvas);
}

void DepthChart10(CDeepImage& image, const PatternParams&) {
    DrawDepthChart(image);
}

std::vector<RECT> RemotePicture(CCanvas& canvas, int screenWidth, int screenHeight,
                                const PatternParams& params, const Frame&) {
    const RemotePatch& patch = params.remote;
    canvas.DrawPatchOnBackground(RemotePatchRect(patch, screenWidth, screenHeight), patch.color,
                                 patch.background);
    return Whole(canvas);
}

void RemotePicture10(CDeepImage& image, const PatternParams& params) {
    const RemotePatch& patch = params.remote;
    const RECT r = RemotePatchRect(patch, image.width, image.height);
    const std::vector<std::vector<UINT32>> background(1,
                                                      std::vector<UINT32>(image.width, patch.background10));
    std::vector<std::vector<UINT32>> across = background;
    std::fill(across[0].begin() + r.left, across[0].begin() + r.right, patch.color10);
    image.WriteRowCycle(0, r.top, background);
    image.WriteRowCycle(r.top, r.bottom, across);
    image.WriteRowCycle(r.bottom, image.height, background);
}

} // namespace

const PatternEntry patternTable[] = {
    {patternLevelRampChart, '1', "9", IDS_NAME_LEVEL_RAMP_CHART, true, &LevelRampChart, nullptr, nullptr, 0},
    {patternGrayRingChart, '2', "8", IDS_NAME_GRAY_RING_CHART, true, &GrayRingChart, nullptr, nullptr, 0},
    {patternGrayStepBands, '3', "7", IDS_NAME_GRAY_STEP_BANDS, true, &GrayStepBands, nullptr, nullptr, 0},
    {patternCentreSquare, '4', "11", IDS_NAME_CENTRE_SQUARE, true, &CentreSquareOnBlack, nullptr, &patchSteps,
     0},
    {patternGammaChart, 'G', "gamma", IDS_NAME_GAMMA_CHART, false, &GammaChart, nullptr, nullptr, 0},
    {patternInversionChart, 'I', "inversion", IDS_NAME_INVERSION_CHART, false, &InversionChart, nullptr,
     nullptr, 0},
    {patternCheckerboard, 'C', "checker", IDS_NAME_CHECKERBOARD, false, &Checkerboard<false>, nullptr,
     nullptr, 0},
    {patternInvertedCheckerboard, 'C', "checker:inverted", IDS_NAME_INVERTED_CHECKERBOARD, false,
     &Checkerboard<true>, nullptr, nullptr, 0},
    {patternUniformityGrid, 'U', "uniformity", IDS_NAME_UNIFORMITY_GRID, false, &UniformityGrid, nullptr,
     &uniformitySteps, 0},
    {patternDepthChart, 'D', "depth", IDS_NAME_DEPTH_CHART, false, &DepthChart8, &DepthChart10, nullptr,
     IDS_DEPTH_NOTE},
    {patternRedField, '5', "red", IDS_NAME_RED_FIELD, false, &Field<RGB(255, 0, 0)>, nullptr, nullptr, 0},
    {patternGreenField, '6', "green", IDS_NAME_GREEN_FIELD, false, &Field<RGB(0, 255, 0)>, nullptr, nullptr,
     0},
    {patternBlueField, '7', "blue", IDS_NAME_BLUE_FIELD, false, &Field<RGB(0, 0, 255)>, nullptr, nullptr, 0},
    {patternWhiteField, '8', "white", IDS_NAME_WHITE_FIELD, false, &Field<RGB(255, 255, 255)>, nullptr,
     nullptr, 0},
    {patternBlackField, '9', "black", IDS_NAME_BLACK_FIELD, false, &Field<RGB(0, 0, 0)>, nullptr, nullptr, 0},
    {patternGrayField, '0', "gray", IDS_NAME_GRAY_FIELD, false, &Field<RGB(128, 128, 128)>, nullptr, nullptr,
     0},
    {patternMovingBlocks, 'M', "blocks", IDS_NAME_MOVING_BLOCKS, false, &MovingBlocks, nullptr, &motionSteps,
     0, true},
    {patternMovingBlocksVertical, 'M', "blocks-v", IDS_NAME_MOVING_BLOCKS_VERTICAL, false,
     &MovingBlocksVertical, nullptr, &motionSteps, 0, true},
    {patternFrameSteps, 'M', "steps", IDS_NAME_FRAME_STEPS, false, &FrameSteps, nullptr, &motionSteps, 0,
     true},
    {patternRemote, '\0', nullptr, IDS_NAME_REMOTE_PATCH, false, &RemotePicture, &RemotePicture10, nullptr,
     0},
};

const size_t patternCount = sizeof patternTable / sizeof patternTable[0];

const PatternEntry* FindPattern(PatternMode mode) {
    for (const PatternEntry& entry : patternTable)
        if (entry.mode == mode)
            return &entry;
    return nullptr;
}

size_t NextInRun(size_t index) {
    for (size_t step = 1; step <= patternCount; ++step) {
        const size_t next = (index + step) % patternCount;
        if (InTimedRun(patternTable[next]))
            return next;
    }
    return index;
}

const PatternEntry* PatternForKey(char key, PatternMode shown) {
    const char upper = key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
    const PatternEntry* first = nullptr;
    bool afterShown = false;
    for (const PatternEntry& entry : patternTable) {
        if (Choosable(entry) && entry.key == upper) {
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
        if (entry.argument != nullptr && std::strcmp(entry.argument, argument) == 0)
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
