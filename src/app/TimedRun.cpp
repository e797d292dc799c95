#include "Frame.h"
#include "PatternTable.h"

void CFrame::StartTimedRun(int seconds, size_t first) {
    running = true;
    runEntry = first < patternCount ? first : 0;
    ShowRunStep();
    ::SetTimer(handle, runTimer, static_cast<UINT>(seconds) * 1000, nullptr);
}

void CFrame::StopTimedRun() {
    if (!running)
        return;
    running = false;
    ::KillTimer(handle, runTimer);
}

void CFrame::OnRunTimer() {
    runEntry = (runEntry + 1) % patternCount;
    ShowRunStep();
}

// Each step is a pattern change: standard parameters, drawn afresh, and where the pattern is one of
// the cycle a click afterwards goes on from it.
void CFrame::ShowRunStep() {
    const PatternEntry& entry = patternTable[runEntry];
    if (entry.inCycle)
        patternIndex = CyclePosition(entry.mode);
    ScreenContent next = PatternContent(entry.mode);
    next.label = entry.name;
    ApplyLabelled(next, true);
}
