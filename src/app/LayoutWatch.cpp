// Changes of the screens, told once the layout has stood still.
#include "LayoutWatch.h"
#include "MonitorEdid.h"
#include "OutputDepth.h"

CLayoutWatch::CLayoutWatch(CTimers& timers, Source source, Settled settled)
    : timers(timers), checkTimer(timers.Add([this] { Check(); })),
      settleTimer(timers.Add([this] { Settle(); })), source(source), settled(std::move(settled)),
      waiting(false), displayChanged(false) {
    timers.Start(checkTimer, checkPeriod);
}

void CLayoutWatch::Follow(const ScreenLayout& layout) {
    followed = layout;
}

void CLayoutWatch::OnDisplayChange() {
    displayChanged = true;
    // A new format of the display may carry another depth, and another monitor another EDID.
    ForgetOutputDepths();
    ForgetMonitorEdids();
    WaitForStillness(source());
}

void CLayoutWatch::Check() {
    if (waiting)
        return;
    // The whole layout, not only the covered screens: a screen left to the desktop may come and go too.
    const ScreenLayout now = source();
    if (!SameLayout(now, followed))
        WaitForStillness(now);
}

void CLayoutWatch::WaitForStillness(const ScreenLayout& now) {
    seen = now;
    waiting = true;
    // Starting the timer again restarts it: each further change of a burst postpones the work.
    timers.Start(settleTimer, settlePeriod);
}

void CLayoutWatch::Settle() {
    const ScreenLayout now = source();
    if (!SameLayout(now, seen)) {
        seen = now; // still changing: look again a little later
        return;
    }
    timers.Stop(settleTimer);
    waiting = false;
    const bool changedFormat = displayChanged;
    displayChanged = false;
    followed = now;
    settled(now, changedFormat);
}
