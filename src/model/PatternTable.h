#pragma once
#include "Canvas.h"
#include "DeepImage.h"
#include "Patch.h"
#include "PatternMode.h"
#include <cstddef>
#include <vector>

// Which frame of a moving pattern a drawing is: frame n at p pixels a frame, drawn over the frame the
// canvas holds (`over`; -1: none, the whole frame is drawn). A still pattern ignores it.
struct Frame {
    long long n = 0;
    int p = 16;
    long long over = -1;
};

// Every pattern the program shows, in one table: its mode, the key that shows it, its argument to the
// render tool, its name (a text's number), whether left clicks step through it (the charts, in table
// order), how it is drawn on the canvas of a screenWidth x screenHeight screen with its parameters (for
// a pattern of more than 8 bits per colour: as a path of 8 bits shows it), how it is drawn at 10 bits per
// colour (null for a pattern that GDI shows exactly), how the arrow keys step its parameters (null for
// a pattern without parameters), what the first screen says for a moment when it is chosen (a
// text's number, 0 for nothing), and whether it moves (drawn frame by frame on each screen's clock;
// its drawing answers the rectangles it wrote, a still's the whole screen). Calibration software's picture is
// drawn through the table too, but no key, click, timed run, option or help line reaches it: its key is '\0'
// and it has no argument.
struct PatternEntry {
    PatternMode mode;
    char key;
    const char* argument;
    UINT name;
    bool inCycle;
    std::vector<RECT> (*draw)(CCanvas& canvas, int screenWidth, int screenHeight, const PatternParams& params,
                              const Frame& frame);
    void (*drawDeep)(CDeepImage& image, const PatternParams& params);
    const ParamSteps* steps;
    UINT note;
    bool moves = false;
};

extern const PatternEntry patternTable[];
extern const size_t patternCount;

// Whether the operator can choose the pattern: by its key, a click, the timed run, the command line.
inline bool Choosable(const PatternEntry& entry) {
    return entry.key != '\0';
}
// Whether a timed run shows it: not calibration software's picture, and not a motion test (which
// flickers, and is never shown unasked).
inline bool InTimedRun(const PatternEntry& entry) {
    return Choosable(entry) && !entry.moves;
}
// The next entry a timed run shows after entry `index` in table order, round to the start.
size_t NextInRun(size_t index);

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
