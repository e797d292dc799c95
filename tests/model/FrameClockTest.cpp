// A screen's frame clock on made-up time: the frame due at a moment, late and missed frames, the rate
// measured from vertical blanks, and vertical blanks chosen only where they wait.
#include "FrameClock.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(FrameClock, FramesFromTheTimeFloorUnderTheTimerAndRoundUnderVerticalBlanks) {
    const double t0 = 5000;
    const struct {
        CFrameClock::Source source;
        RefreshRate rate;
        double after; // ms after t0
        long long frame;
    } cases[] = {
        {CFrameClock::Source::timer, {60, 1}, 0, 0},
        {CFrameClock::Source::timer, {60, 1}, 16.6, 0},
        {CFrameClock::Source::timer, {60, 1}, 16.7, 1},
        {CFrameClock::Source::timer, {60, 1}, 1000, 60},
        {CFrameClock::Source::timer, {50, 1}, 59.9, 2},
        {CFrameClock::Source::timer, {60000, 1001}, 1001, 60},
        {CFrameClock::Source::timer, {60000, 1001}, 1000.9, 59},
        {CFrameClock::Source::vblank, {60, 1}, 8.2, 0},
        {CFrameClock::Source::vblank, {60, 1}, 8.4, 1},
        {CFrameClock::Source::vblank, {60, 1}, 16.0, 1},
        {CFrameClock::Source::vblank, {144, 1}, 1000, 144},
        {CFrameClock::Source::vblank, {60, 1}, -3, 0},
    };
    for (const auto& c : cases) {
        const CFrameClock clock(c.source, c.rate, t0);
        EXPECT_EQ(clock.FrameAt(t0 + c.after), c.frame) << c.rate.Hz() << " Hz, " << c.after << " ms";
    }
}

TEST(FrameClock, LateFramesKeepTheirPlaceAndTheSkippedOnesCountAsMissed) {
    CFrameClock clock(CFrameClock::Source::timer, {60, 1}, 0);
    const double period = 1000.0 / 60;
    // On time, then a frame 40 ms late (two skipped), then on time again.
    const double moments[] = {period, 2 * period, 2 * period + 40, 5 * period + 1, 6 * period};
    const long long frames[] = {1, 2, 4, 5, 6}, missed[] = {0, 0, 1, 1, 1};
    for (size_t i = 0; i < 5; ++i) {
        const long long n = clock.FrameAt(moments[i]);
        EXPECT_EQ(n, frames[i]) << "at " << moments[i];
        clock.Shown(n, moments[i]);
        EXPECT_EQ(clock.Missed(), missed[i]);
        EXPECT_DOUBLE_EQ(clock.NextDue(), (n + 1) * period) << "the next frame where its place is, not late";
    }
}

TEST(FrameClock, TheRateIsTheSystemsForASecondThenMeasuredFromTheBlanksWhereTheyPace) {
    // Blanks every 16.7 ms on a screen the system says runs at 60 Hz: 59.88 Hz measured.
    CFrameClock blanks(CFrameClock::Source::vblank, {60, 1}, 0);
    CFrameClock timer(CFrameClock::Source::timer, {60, 1}, 0);
    bool measured = true;
    for (int i = 1; i <= 120; ++i) {
        const double t = i * 16.7;
        blanks.Shown(blanks.FrameAt(t), t);
        timer.Shown(timer.FrameAt(t), t);
        if (t < 1000) {
            EXPECT_DOUBLE_EQ(blanks.Rate(t, measured), 60.0);
            EXPECT_FALSE(measured);
        }
    }
    EXPECT_NEAR(blanks.Rate(2004, measured), 1000 / 16.7, 0.005);
    EXPECT_TRUE(measured);
    EXPECT_DOUBLE_EQ(timer.Rate(2004, measured), 60.0);
    EXPECT_FALSE(measured) << "a timer measures nothing";
}

TEST(FrameClock, VerticalBlanksPaceOnlyWhereTheWaitWaits) {
    const struct {
        const char* what;
        std::vector<bool> results;
        double step; // ms a wait takes
        CFrameClock::Source chosen;
    } cases[] = {{"a wait that fails", {false}, 16.7, CFrameClock::Source::timer},
                 {"one that fails later", {true, true, false}, 16.7, CFrameClock::Source::timer},
                 {"waits that return at once", {true, true, true, true}, 0.01, CFrameClock::Source::timer},
                 {"waits of a frame each", {true, true, true, true}, 16.7, CFrameClock::Source::vblank}};
    for (const auto& c : cases) {
        double t = 0;
        size_t calls = 0;
        const CFrameClock::Source chosen = ChooseSource(
            [&] {
                t += c.step;
                const bool ok = calls < c.results.size() ? c.results[calls] : true;
                ++calls;
                return ok;
            },
            [&] { return t; });
        EXPECT_EQ(chosen, c.chosen) << c.what;
    }
}

} // namespace
