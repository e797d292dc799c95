#pragma once
#include "ScreenLayout.h"
#include "Timers.h"
#include <functional>

// Tells when the screens have changed and then stood still: Windows sends WM_DISPLAYCHANGE, Wine sends
// nothing for some changes, so the layout is also looked at every checkPeriod; a change is told once
// the layout has stood still for settlePeriod (a hot-plug comes in bursts). What is compared is all the
// windows are handed: each screen's size, place, bits per pixel, refresh rate and whether it is primary.
class CLayoutWatch {
  public:
    using Source = ScreenLayout (*)();
    // The layout that has settled, and whether a display-change message came on the way (the
    // display's format may be new even where the layout is the same).
    using Settled = std::function<void(const ScreenLayout& layout, bool displayChanged)>;

    static const UINT checkPeriod = 1000;
    static const UINT settlePeriod = 250;

    CLayoutWatch(CTimers& timers, Source source, Settled settled);

    // The layout the windows follow now; changes are measured against it.
    void Follow(const ScreenLayout& layout);
    // WM_DISPLAYCHANGE: something changed; it is told once the layout stands still.
    void OnDisplayChange();

  private:
    void Check();
    void Settle();
    void WaitForStillness(const ScreenLayout& now);

    CTimers& timers;
    UINT_PTR checkTimer, settleTimer;
    Source source;
    Settled settled;
    ScreenLayout followed; // as the windows follow it
    ScreenLayout seen;     // as last seen while waiting for it to stand still
    bool waiting;
    bool displayChanged;
};
