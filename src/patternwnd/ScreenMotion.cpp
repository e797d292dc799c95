#include "ScreenMotion.h"
#include "MonitorFunctions.h"
#include "MotionSteps.h"
#include "Texts.h"
#include <cstdio>

bool CScreenMotion::Follow(const PatternEntry* next, int nextSpeed, const RECT& nextScreen,
                           const RefreshRate& nextRate, CScreenClock::Tick tick) {
    if (next == nullptr || !next->moves) {
        clock.reset();
        entry = nullptr;
        return false;
    }
    if (clock && next == entry && nextSpeed == speed && ::EqualRect(&nextScreen, &screen) && nextRate == rate)
        return false;
    clock.reset();
    entry = next;
    speed = nextSpeed;
    screen = nextScreen;
    rate = nextRate;
    p = PixelsPerFrame(speed, rate);
    held = 0;
    clock.reset(
        new CScreenClock(CMonitorFunctions::Process().MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST),
                         rate, std::move(tick)));
    return true;
}

Frame CScreenMotion::Over(long long n) {
    const Frame frame = {n, p, held};
    held = n;
    return frame;
}

std::wstring CScreenMotion::Readout() const {
    if (!clock)
        return std::wstring();
    bool measured = false;
    wchar_t hz[32];
    std::swprintf(hz, 32, L"%.2f", clock->Clock().Rate(CScreenClock::Now(), measured));
    const bool blanks = clock->Clock().FollowedSource() == CFrameClock::Source::vblank;
    // p times the system's rate, in whole pixels a second.
    const long long perSecond = (2LL * p * rate.num + rate.den) / (2LL * rate.den);
    return FormatText(IDS_READOUT,
                      {LoadText(entry->name), hz, LoadText(blanks ? IDS_RATE_VBLANK : IDS_RATE_TIMER),
                       Number(p), Number(perSecond), Number(clock->Clock().Missed())});
}
