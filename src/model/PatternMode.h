#pragma once

// What a pattern window shows; the operator's cycle is 9, 8, 7, 11. The solid fields (20 to 25) and
// the other charts (30 to 35) stand outside the cycle.
using PatternMode = int;

const PatternMode patternNone = 0;
const PatternMode patternGrayStepBands = 7;
const PatternMode patternGrayRingChart = 8;
const PatternMode patternLevelRampChart = 9;
const PatternMode patternCentreSquare = 11;
const PatternMode patternRedField = 20;
const PatternMode patternGreenField = 21;
const PatternMode patternBlueField = 22;
const PatternMode patternWhiteField = 23;
const PatternMode patternBlackField = 24;
const PatternMode patternGrayField = 25;
const PatternMode patternGammaChart = 30;
const PatternMode patternInversionChart = 31;
const PatternMode patternCheckerboard = 32;
const PatternMode patternInvertedCheckerboard = 33;
const PatternMode patternUniformityGrid = 34;
// Gray ramps at 10 bits per colour beside the same ramps as 8 bits carry them.
const PatternMode patternDepthChart = 35;
// The motion tests, drawn frame by frame.
const PatternMode patternMovingBlocks = 50;
const PatternMode patternMovingBlocksVertical = 51;
const PatternMode patternFrameSteps = 52;
// Whatever calibration software asks for: a background and a patch (not a pattern of the table).
const PatternMode patternRemote = 40;
