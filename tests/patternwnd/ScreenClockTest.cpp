// A screen's frame clock for real: a timer at the screen's rate where no vertical blank can be waited
// for (the bench, under Wine), and the blanks where a waiter waits for them (here one that sleeps a
// frame: the seam of a display that paces).
#include "ScreenClock.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

CScreenClock::BlankWaiter NoWaiter(HMONITOR) {
    return CScreenClock::BlankWaiter();
}

CScreenClock::BlankWaiter FailingWaiter(HMONITOR) {
    return [] { return false; };
}

CScreenClock::BlankWaiter HastyWaiter(HMONITOR) {
    return [] { return true; };
}

// Blanks every 20 ms (50 Hz), whatever the system says.
CScreenClock::BlankWaiter PacingWaiter(HMONITOR) {
    return [] {
        ::Sleep(20);
        return true;
    };
}

TEST(ScreenClock, FramesComeAtTheScreensRateFromATimerOrFromTheBlanksWhereTheyWait) {
    const struct {
        const char* what;
        CScreenClock::WaiterMaker waiter;
        CFrameClock::Source source;
        double told, missed, rate; // in 1.2 s: frames told and missed; the rate said at the end
    } cases[] = {{"no way to wait", &NoWaiter, CFrameClock::Source::timer, 72, 0, 60},
                 {"a wait that fails", &FailingWaiter, CFrameClock::Source::timer, 72, 0, 60},
                 {"a wait that returns at once", &HastyWaiter, CFrameClock::Source::timer, 72, 0, 60},
                 // Blanks of 50 Hz where the system says 60: one frame in six never shows.
                 {"blanks of 50 Hz", &PacingWaiter, CFrameClock::Source::vblank, 60, 12, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<long long> told;
        CScreenClock clock(
            ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), {60, 1},
            [&](long long n) { told.push_back(n); }, c.waiter);
        const double start = CScreenClock::Now();
        while (CScreenClock::Now() - start < 1200) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            PumpMessages();
        }
        EXPECT_EQ(clock.Clock().FollowedSource(), c.source);
        ASSERT_FALSE(told.empty());
        for (size_t i = 1; i < told.size(); ++i)
            EXPECT_GT(told[i], told[i - 1]) << "each frame once, in order";
        // Within 15%, and a frame or so (a busy machine's share).
        EXPECT_NEAR(static_cast<double>(told.size()), c.told, c.told * 0.15);
        EXPECT_NEAR(static_cast<double>(clock.Clock().Missed()), c.missed, 2 + c.missed * 0.3);
        bool measured = false;
        EXPECT_NEAR(clock.Clock().Rate(CScreenClock::Now(), measured), c.rate, c.rate * 0.05);
        EXPECT_EQ(measured, c.source == CFrameClock::Source::vblank);
    }
}

} // namespace
