// The controller of what is shown, on made-up time: labels, status, remote patches, the timed run.
#include "PatternTable.h"
#include "ShowController.h"
#include "Texts.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>

namespace {

using Update = CShowController::Update;

// The controller on made-up time: t is any moment, the clock wraps round past it in one test.
class ShowControllerTest : public testing::TestWithParam<DWORD> {
  protected:
    // The moment Tick is wanted next, as an offset from t; -1 when nothing waits.
    long Next() {
        DWORD when = 0;
        return show.NextTick(when) ? static_cast<long>(when - t) : -1;
    }
    const std::wstring& Label() { return show.Content().label; }

    CShowController show;
    const DWORD t = GetParam();
};

TEST_P(ShowControllerTest, ALabelOfAMomentStaysTwoSecondsAfterTheLastStepThenTheStatusComesBack) {
    EXPECT_EQ(show.ShowStatus(L"Waiting for host:20002"), Update::show);
    EXPECT_EQ(Label(), L"Waiting for host:20002");
    EXPECT_EQ(Next(), -1) << "a status waits for nothing";
    EXPECT_EQ(show.ShowPattern(patternCentreSquare, t), Update::redraw);
    EXPECT_EQ(Label(), L"Waiting for host:20002") << "a pattern change keeps the status";

    EXPECT_EQ(show.Step(VK_DOWN, false, t), Update::show);
    EXPECT_EQ(Label(), PatchLabel({230, 2}));
    EXPECT_EQ(Next(), 2000);
    EXPECT_EQ(show.Step(VK_RIGHT, false, t + 1000), Update::show);
    EXPECT_EQ(Next(), 3000) << "each step restarts the wait";
    EXPECT_EQ(show.Tick(t + 2999), Update::none);
    EXPECT_EQ(Label(), PatchLabel({230, 5}));
    EXPECT_EQ(show.Tick(t + 3000), Update::show);
    EXPECT_EQ(Label(), L"Waiting for host:20002");
    EXPECT_EQ(Next(), -1);

    // Shown late (a slow first drawing), a label stays its whole two seconds from then; shown again, no
    // longer.
    show.Step(VK_DOWN, false, t);
    show.Shown(t + 1500);
    EXPECT_EQ(Next(), 3500);
    show.Shown(t + 2500);
    EXPECT_EQ(Next(), 3500);
    EXPECT_EQ(show.Tick(t + 3500), Update::show);

    EXPECT_EQ(show.Step(VK_DOWN, false, t), Update::show);
    EXPECT_EQ(show.ShowPattern(patternGrayRingChart, t), Update::redraw);
    EXPECT_EQ(Label(), L"Waiting for host:20002") << "a pattern change takes a step's label away";
    EXPECT_EQ(Next(), -1);
    EXPECT_EQ(show.Step(VK_DOWN, false, t), Update::none) << "the ring chart has no parameters";
}

TEST_P(ShowControllerTest, ARemotePatchClearsTheStatusTheHelpAndTheRunAndAnIgnoredMessageIsSaidForAMoment) {
    show.ShowStatus(L"Connected to host:20002");
    show.ToggleHelp();
    show.StartRun(10, 0, t);
    const RemotePatch patch = {RGB(0, 0, 200), RGB(255, 128, 0), 0.25, 0.5, 0.5, 0.25};
    EXPECT_EQ(show.ShowRemotePatch(patch), Update::show);
    EXPECT_EQ(show.Content().mode, patternRemote);
    EXPECT_TRUE(show.Content().params.remote == patch);
    EXPECT_EQ(Label(), L"");
    EXPECT_FALSE(show.Content().overlay);
    EXPECT_FALSE(show.Running());
    EXPECT_EQ(Next(), -1);

    EXPECT_EQ(show.ShowIgnored(L"no geometry", t + 5), Update::show);
    EXPECT_EQ(Label(), L"ignored: no geometry");
    EXPECT_EQ(show.Tick(t + 2005), Update::show);
    EXPECT_EQ(Label(), L"") << "no status is left to come back";
    EXPECT_TRUE(show.Content().params.remote == patch) << "the picture stays";
}

// What a timed run shows, in turn, with the name it says: every chart and field the operator can choose
// by a key, in the help's order.
const struct {
    PatternMode mode;
    const wchar_t* name;
} runOrder[] = {{patternLevelRampChart, L"level ramp chart"},
                {patternGrayRingChart, L"gray ring chart"},
                {patternGrayStepBands, L"gray step bands"},
                {patternCentreSquare, L"centre square"},
                {patternGammaChart, L"gamma chart"},
                {patternInversionChart, L"inversion chart"},
                {patternCheckerboard, L"contrast checkerboard"},
                {patternInvertedCheckerboard, L"inverted checkerboard"},
                {patternUniformityGrid, L"uniformity grid"},
                {patternDepthChart, L"depth chart: 10 bits beside 8"},
                {patternRedField, L"red field"},
                {patternGreenField, L"green field"},
                {patternBlueField, L"blue field"},
                {patternWhiteField, L"white field"},
                {patternBlackField, L"black field"},
                {patternGrayField, L"50% gray field"}};
const DWORD runSteps = sizeof runOrder / sizeof runOrder[0];

TEST_P(ShowControllerTest, TheTimedRunShowsEveryChoosablePatternInTurnRoundAndRoundWithItsName) {
    EXPECT_EQ(show.StartRun(10, 0, t), Update::redraw);
    EXPECT_EQ(show.Content().mode, runOrder[0].mode);
    EXPECT_EQ(Label(), runOrder[0].name);
    EXPECT_EQ(Next(), 2000) << "the name goes before the next step";
    EXPECT_EQ(show.Tick(t + 2000), Update::show);
    EXPECT_EQ(Label(), L"");
    EXPECT_EQ(Next(), 10000);
    for (DWORD step = 1; step <= runSteps; ++step) {
        EXPECT_NE(show.Tick(t + step * 10000 - 1), Update::redraw);
        ASSERT_EQ(show.Tick(t + step * 10000), Update::redraw) << "step " << step;
        const auto& expected = runOrder[step % runSteps]; // and round to the start
        EXPECT_EQ(show.Content().mode, expected.mode) << "step " << step;
        EXPECT_EQ(Label(), expected.name);
        EXPECT_TRUE(show.Content().params == StandardParams(show.Content().mode));
    }

    // Far behind (a machine that slept): one step, and the next a whole period later.
    const DWORD late = t + runSteps * 10000 + 55000;
    EXPECT_EQ(show.Tick(late), Update::redraw);
    EXPECT_NE(show.Tick(late + 9999), Update::redraw);
    EXPECT_EQ(show.Tick(late + 10000), Update::redraw);
    show.StopRun();
    EXPECT_EQ(show.Tick(late + 30000), Update::show) << "only the last name goes";
    EXPECT_EQ(Next(), -1);

    // Started on the last pattern it goes round to the first; started on an entry of the table the
    // operator cannot choose (calibration software's patch), it starts on the next that can.
    size_t last = patternCount - 1;
    while (patternTable[last].mode != runOrder[runSteps - 1].mode)
        --last;
    show.StartRun(1, last, t);
    show.Tick(t + 1000);
    EXPECT_EQ(show.Content().mode, runOrder[0].mode);
    size_t remote = 0;
    while (patternTable[remote].mode != patternRemote)
        ++remote;
    show.StartRun(1, remote, t);
    EXPECT_TRUE(std::any_of(std::begin(runOrder), std::end(runOrder),
                            [&](const auto& r) { return r.mode == show.Content().mode; }));
}

TEST_P(ShowControllerTest, HelpTogglesAndStaysOverPatternChanges) {
    EXPECT_EQ(show.HideHelp(), Update::none);
    EXPECT_EQ(show.ToggleHelp(), Update::show);
    EXPECT_TRUE(show.Content().overlay);
    show.ShowPattern(patternGammaChart, t);
    EXPECT_TRUE(show.Content().overlay) << "the frame takes it away before a key acts, a run step keeps it";
    EXPECT_EQ(show.HideHelp(), Update::show);
    EXPECT_FALSE(show.Content().overlay);
}

TEST_P(ShowControllerTest, ScreensWarnForFiveSecondsAfterTheStartAndAfterEachChangeOfTheirSize) {
    EXPECT_EQ(show.WarnScreens({1, 2, 3}, t), Update::show);
    EXPECT_EQ(show.Content().warned, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Next(), 5000);
    EXPECT_EQ(show.WarnScreens({}, t + 10), Update::none);
    EXPECT_EQ(show.WarnScreens({2}, t + 4000), Update::show) << "screen 2 resized";
    EXPECT_EQ(show.Tick(t + 4999), Update::none);
    EXPECT_EQ(show.Tick(t + 5000), Update::show);
    EXPECT_EQ(show.Content().warned, std::vector<int>{2});
    EXPECT_EQ(Next(), 9000);
    show.ShowPattern(patternGammaChart, t + 6000);
    EXPECT_EQ(show.Content().warned, std::vector<int>{2}) << "a pattern change keeps it";
    EXPECT_EQ(show.Tick(t + 9000), Update::show);
    EXPECT_TRUE(show.Content().warned.empty());
    EXPECT_EQ(Next(), -1);
}

// An ordinary moment, and one just before the millisecond clock wraps round.
INSTANTIATE_TEST_SUITE_P(Times, ShowControllerTest, testing::Values(DWORD(123456), DWORD(0xFFFFF000)));

} // namespace
