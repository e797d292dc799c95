#pragma once
#include "Canvas.h"
#include "DeepImage.h"
#include "Patch.h"
#include "PatternMode.h"
#include <cstddef>

// Every pattern the program shows, in one table: its mode, the key that shows it, its argument to the
// render tool, its name (a text's number), whether left clicks step through it (the charts, in table
// order), how it is drawn on the canvas of a screenWidth x screenHeight screen with its parameters (for
// a pattern of more than 8 bits per colour: as a path of 8 bits shows it), how it is drawn at 10 bits per
// colour (null for a pattern that GDI shows exactly), how the arrow keys step its parameters (null for
// a pattern without parameters), and what the first screen says for a moment when it is chosen (a
// text's number, 0 for nothing). Calibration software's picture is drawn through the table too, but no
// key, click, timed run, option or help line reaches it: its key is '\0' and it has no argument.
struct PatternEntry {
    PatternMode mode;
    char key;
    const char* argument;
    UINT name;
    bool inCycle;
    void (*draw)(CCanvas& canvas, int screenWidth, int screenHeight, const PatternParams& params);
    void (*drawDeep)(CDeepImage& image, const PatternParams& params);
    const ParamSteps* steps;
    UINT note;
};

extern const PatternEntry patternTable[];
extern const size_t patternCount;

// Whether the operator can choose the pattern: by its key, a click, the timed run, the command line.
inline bool Choosable(const PatternEntry& entry) {
    return entry.key != '\0';
}
// The next choosable entry after entry `index` in table order, round to the start.
size_t NextChoosable(size_t index);

// The entry of a mode or a render-tool argument; null when there is none.
const PatternEntry* FindPattern(PatternMode mode);
const PatternEntry* FindPatternByArgument(const char* argument);
// The pattern a key shows (upper and lower case alike) while `shown` is on the screens: the first with
// that key after the shown one in table order, round to the start, so that patterns sharing a key
// take turns (the checkerboard and its inversion); null when no pattern has the key.
const PatternEntry* PatternForKey(char key, PatternMode shown);

// The cycle of left clicks: the number of charts in it, the mode at each position, and the position
// of a mode (-1 for a pattern outside the cycle).
int CycleLength();
PatternMode CycleMode(int position);
int CyclePosition(PatternMode mode);

// The parameters a pattern starts with whenever it is chosen.
PatternParams StandardParams(PatternMode mode);
