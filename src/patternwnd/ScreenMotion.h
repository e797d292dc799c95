#pragma once
#include "PatternTable.h"
#include "ScreenClock.h"
#include <memory>
#include <string>

// A moving pattern on one screen: its frame clock, the frame its canvas holds and the pixels each frame
// moves there. Frame n counts from 0 again whenever the test, its speed, or the screen's size or rate
// changes; nothing runs while the screen shows a still pattern.
class CScreenMotion {
  public:
    // Follows what the screen shows now: started afresh, the clock telling `tick` each frame, where a
    // moving pattern is new here or its speed, the screen's rectangle or its rate changed (true then);
    // stopped where the pattern stands still.
    bool Follow(const PatternEntry* entry, int speed, const RECT& screen, const RefreshRate& rate,
                CScreenClock::Tick tick);
    bool Moving() const { return clock != nullptr; }
    void Stop() { Follow(nullptr, 0, {}, {}, nullptr); }
    // The frame the canvas holds, drawn whole.
    Frame Whole() const { return {held, p, -1}; }
    // Frame n drawn over the one held, which it then is.
    Frame Over(long long n);
    // What the screen says under it (see IDS_READOUT); empty where nothing moves.
    std::wstring Readout() const;
    // The frames shown and missed since the motion last started here.
    long long Shown() const { return clock ? clock->Clock().Last() - clock->Clock().Missed() : 0; }
    long long Missed() const { return clock ? clock->Clock().Missed() : 0; }

  private:
    std::unique_ptr<CScreenClock> clock;
    const PatternEntry* entry = nullptr;
    int speed = 0;
    RECT screen = {};
    RefreshRate rate;
    int p = 1;
    long long held = 0;
};
