#pragma once

// What a pattern window shows; the operator's cycle is 9, 8, 7, 11.
using PatternMode = int;

const PatternMode patternNone = 0;
const PatternMode patternGrayStepBands = 7;
const PatternMode patternGrayRingChart = 8;
const PatternMode patternLevelRampChart = 9;
const PatternMode patternCentreSquare = 11;
