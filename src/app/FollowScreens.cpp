#include "DiscoverScreens.h"
#include "Frame.h"
#include "PatternWindow.h"

// Windows tells every top-level window about a change of the monitors or of the display's format.
void CFrame::OnDisplayChange() {
    remakeSurfaces = true;
    WaitForSettledScreens(screenSource());
}

void CFrame::OnLayoutCheck() {
    if (settling)
        return;
    // The whole layout, not only the covered screens: a screen left to the desktop may come and go too.
    const std::vector<RECT> screens = screenSource();
    if (!SameScreens(screens, followedScreens))
        WaitForSettledScreens(screens);
}

void CFrame::OnSettled() {
    const std::vector<RECT> screens = screenSource();
    if (!SameScreens(screens, settlingScreens)) {
        settlingScreens = screens; // still changing: look again a little later
        return;
    }
    ::KillTimer(handle, settleTimer);
    settling = false;
    ReconcileScreens(screens);
    if (remakeSurfaces) {
        remakeSurfaces = false;
        for (auto& window : windows)
            window->RemakeSurface();
        FocusFirstScreen();
    }
}

void CFrame::WaitForSettledScreens(const std::vector<RECT>& screens) {
    settlingScreens = screens;
    settling = true;
    // Setting the timer again restarts it: each further change of a burst postpones the work.
    ::SetTimer(handle, settleTimer, settlePeriod, nullptr);
}
