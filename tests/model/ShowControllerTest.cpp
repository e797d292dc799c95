// The controller of what is shown, on made-up time: the operator's commands, labels, status, remote
// patches, the timed run, the screens' warnings.
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
    // A character typed, a key without one pressed (with Shift or not), a pattern chosen: `at` ms after t.
    Update Type(char ch, DWORD at = 0) {
        return show.Execute(CommandForChar(ch, show.Content().mode), t + at).update;
    }
    Update Press(WPARAM key, DWORD at = 0, bool shift = false) {
        return show.Execute(CommandForKey(key, shift), t + at).update;
    }
    Update Choose(PatternMode mode, DWORD at = 0) {
        return show.Execute(CommandForPattern(mode), t + at).update;
    }
    Update Tick(DWORD at) { return show.Tick(t + at).update; }

    CShowController show;
    const DWORD t = GetParam();
};

TEST_P(ShowControllerTest, ALabelOfAMomentStaysTwoSecondsAfterTheLastStepThenTheStatusComesBack) {
    EXPECT_EQ(show.ShowStatus(L"Waiting for host:20002").update, Update::show);
    EXPECT_EQ(Label(), L"Waiting for host:20002");
    EXPECT_EQ(Next(), -1) << "a status waits for nothing";
    EXPECT_EQ(Choose(patternCentreSquare), Update::redraw);
    EXPECT_EQ(Label(), L"Waiting for host:20002") << "a pattern change keeps the status";

    EXPECT_EQ(Press(VK_DOWN), Update::show);
    EXPECT_EQ(Label(), PatchLabel({230, 2}));
    EXPECT_EQ(Next(), 2000);
    EXPECT_EQ(Press(VK_RIGHT, 1000), Update::show);
    EXPECT_EQ(Next(), 3000) << "each step restarts the wait";
    EXPECT_EQ(Tick(2999), Update::none);
    EXPECT_EQ(Label(), PatchLabel({230, 5}));
    EXPECT_EQ(Tick(3000), Update::show);
    EXPECT_EQ(Label(), L"Waiting for host:20002");
    EXPECT_EQ(Next(), -1);

    // Shown late (a slow first drawing), a label stays its whole two seconds from then; shown again, no
    // longer.
    Press(VK_DOWN);
    show.Shown(t + 1500);
    EXPECT_EQ(Next(), 3500);
    show.Shown(t + 2500);
    EXPECT_EQ(Next(), 3500);
    EXPECT_EQ(Tick(3500), Update::show);

    EXPECT_EQ(Press(VK_DOWN), Update::show);
    EXPECT_EQ(Choose(patternGrayRingChart), Update::redraw);
    EXPECT_EQ(Label(), L"Waiting for host:20002") << "a pattern change takes a step's label away";
    EXPECT_EQ(Next(), -1);
    EXPECT_EQ(Press(VK_DOWN), Update::none) << "the ring chart has no parameters";
}

TEST_P(ShowControllerTest, ARemotePatchClearsTheStatusTheHelpAndTheRunAndAnIgnoredMessageIsSaidForAMoment) {
    show.ShowStatus(L"Connected to host:20002");
    Press(VK_F1);
    show.StartRun(10, 0, t);
    const RemotePatch patch = {RGB(0, 0, 200), RGB(255, 128, 0), 0.25, 0.5, 0.5, 0.25};
    EXPECT_EQ(show.ShowRemotePatch(patch).update, Update::show);
    EXPECT_EQ(show.Content().mode, patternRemote);
    EXPECT_TRUE(show.Content().params.remote == patch);
    EXPECT_EQ(Label(), L"");
    EXPECT_FALSE(show.Content().overlay);
    EXPECT_FALSE(show.Running());
    EXPECT_EQ(Next(), -1);

    EXPECT_EQ(show.ShowIgnored(L"no geometry", t + 5).update, Update::show);
    EXPECT_EQ(Label(), L"ignored: no geometry");
    EXPECT_EQ(Tick(2005), Update::show);
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
    EXPECT_EQ(show.StartRun(10, 0, t).update, Update::redraw);
    EXPECT_EQ(show.Content().mode, runOrder[0].mode);
    EXPECT_EQ(Label(), runOrder[0].name);
    EXPECT_EQ(Next(), 2000) << "the name goes before the next step";
    EXPECT_EQ(Tick(2000), Update::show);
    EXPECT_EQ(Label(), L"");
    EXPECT_EQ(Next(), 10000);
    for (DWORD step = 1; step <= runSteps; ++step) {
        EXPECT_NE(Tick(step * 10000 - 1), Update::redraw);
        ASSERT_EQ(Tick(step * 10000), Update::redraw) << "step " << step;
        const auto& expected = runOrder[step % runSteps]; // and round to the start
        EXPECT_EQ(show.Content().mode, expected.mode) << "step " << step;
        EXPECT_EQ(Label(), expected.name);
        EXPECT_TRUE(show.Content().params == StandardParams(show.Content().mode));
    }

    // Far behind (a machine that slept): one step, and the next a whole period later.
    const DWORD late = runSteps * 10000 + 55000;
    EXPECT_EQ(Tick(late), Update::redraw);
    EXPECT_NE(Tick(late + 9999), Update::redraw);
    EXPECT_EQ(Tick(late + 10000), Update::redraw);
    Type('A', late + 10001); // stops it
    EXPECT_FALSE(show.Running());
    EXPECT_EQ(Tick(late + 30000), Update::show) << "only the last name goes";
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

TEST_P(ShowControllerTest, ScreensWarnForFiveSecondsAfterTheStartAndAfterEachChangeOfTheirSize) {
    EXPECT_EQ(show.ScreensChanged({1, 2, 3}, t).update, Update::show);
    EXPECT_EQ(show.Content().warned, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Next(), 5000);
    const CShowController::Answer moved = show.ScreensChanged({}, t + 10);
    EXPECT_EQ(moved.update, Update::none);
    EXPECT_TRUE(moved.focus) << "whatever changed, the focus goes back to the first screen";
    EXPECT_EQ(show.ScreensChanged({2}, t + 4000).update, Update::show) << "screen 2 resized";
    EXPECT_EQ(Tick(4999), Update::none);
    EXPECT_EQ(Tick(5000), Update::show);
    EXPECT_EQ(show.Content().warned, std::vector<int>{2});
    EXPECT_EQ(Next(), 9000);
    Choose(patternGammaChart, 6000);
    EXPECT_EQ(show.Content().warned, std::vector<int>{2}) << "a pattern change keeps it";
    EXPECT_EQ(Tick(9000), Update::show);
    EXPECT_TRUE(show.Content().warned.empty());
    EXPECT_EQ(Next(), -1);
}

// The operator's keys and clicks one after another, each `at` ms after t: what the screens show after
// each (pattern, the label on the first screen, the help), where the click cycle stands, whether the
// program ends and whether the focus goes back to the first screen.
TEST_P(ShowControllerTest, EveryCommandAsTheOperatorGivesItOnMadeUpTime) {
    enum Kind { character, key, shifted, click };
    const struct {
        Kind kind;
        int code;
        DWORD at;
        PatternMode mode;
        const wchar_t* label;
        bool help;
        int cycle; // the answer's place in the cycle (-1: it stays)
        bool focus, quit;
    } steps[] = {
        {character, 'g', 0, patternGammaChart, L"", false, -1, true, false},
        {key, VK_F1, 10, patternGammaChart, L"", true, -1, true, false},
        {character, 'z', 20, patternGammaChart, L"", false, -1, true, false}, // only takes the help away
        {character, 'z', 30, patternGammaChart, L"", false, -1, false, false},
        {character, '?', 40, patternGammaChart, L"", true, -1, true, false},
        {key, VK_SHIFT, 50, patternGammaChart, L"", true, -1, false, false}, // on the way to a key
        {character, '3', 60, patternGrayStepBands, L"", false, 2, true, false},
        {character, '4', 70, patternCentreSquare, L"", false, 3, true, false},
        {key, VK_DOWN, 80, patternCentreSquare, L"90% (230) \u00B7 2% window", false, -1, true, false},
        {shifted, VK_DOWN, 90, patternCentreSquare, L"90% (229) \u00B7 2% window", false, -1, true, false},
        {key, VK_RIGHT, 100, patternCentreSquare, L"90% (229) \u00B7 5% window", false, -1, true, false},
        {key, VK_HOME, 2099, patternCentreSquare, L"100% (255) \u00B7 2% window", false, -1, true, false},
        {character, 'C', 2200, patternCheckerboard, L"", false, -1, true, false},
        {character, 'c', 2300, patternInvertedCheckerboard, L"", false, -1, true, false},
        {character, 'c', 2400, patternCheckerboard, L"", false, -1, true, false},
        {key, VK_UP, 2500, patternCheckerboard, L"", false, -1, false, false}, // nothing to step
        {character, 'U', 2600, patternUniformityGrid, L"", false, -1, true, false},
        {key, VK_LEFT, 2700, patternUniformityGrid, L"50% (128) \u00B7 3\u00D73", false, -1, true, false},
        {character, '5', 2800, patternRedField, L"", false, -1, true, false},
        {character, 'd', 2900, patternDepthChart,
         L"Each upper band: 10 bits per colour; the band under it: 8 bits.", false, -1, true, false},
        // The motion tests take turns on M and keep their speed; every arrow steps it.
        {character, 'm', 2950, patternMovingBlocks, L"", false, -1, true, false},
        {key, VK_UP, 2960, patternMovingBlocks, L"1440 pixels a second", false, -1, true, false},
        {character, 'M', 2970, patternMovingBlocksVertical, L"", false, -1, true, false},
        {key, VK_LEFT, 2980, patternMovingBlocksVertical, L"960 pixels a second", false, -1, true, false},
        {shifted, VK_DOWN, 2985, patternMovingBlocksVertical, L"720 pixels a second", false, -1, true, false},
        {character, 'm', 2990, patternFrameSteps, L"", false, -1, true, false},
        {key, VK_HOME, 2995, patternFrameSteps, L"960 pixels a second", false, -1, true, false},
        {character, 'A', 3000, patternLevelRampChart, L"level ramp chart", false, 0, true, false},
        {character, 'a', 3100, patternLevelRampChart, L"level ramp chart", false, -1, false, false}, // stops
        {click, WM_LBUTTONDOWN, 3200, patternLevelRampChart, L"level ramp chart", false, -1, false, false},
        {character, 27, 3300, patternLevelRampChart, L"level ramp chart", false, -1, false, true},
        {character, ' ', 3400, patternLevelRampChart, L"level ramp chart", false, -1, false, true},
        {click, WM_RBUTTONDOWN, 3500, patternLevelRampChart, L"level ramp chart", false, -1, false, true},
        {click, WM_MBUTTONDOWN, 3600, patternLevelRampChart, L"level ramp chart", false, -1, false, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "input " << s.code << " at " << s.at);
        const KeyCommand command =
            s.kind == character ? CommandForChar(static_cast<char>(s.code), show.Content().mode)
            : s.kind == click   ? CommandForClick(static_cast<UINT>(s.code))
                                : CommandForKey(static_cast<WPARAM>(s.code), s.kind == shifted);
        const CShowController::Answer answer = show.Execute(command, t + s.at);
        EXPECT_EQ(show.Content().mode, s.mode);
        EXPECT_EQ(Label(), s.label);
        EXPECT_EQ(show.Content().overlay, s.help);
        EXPECT_EQ(answer.cyclePosition, s.cycle);
        EXPECT_EQ(answer.focus, s.focus);
        EXPECT_EQ(answer.quit, s.quit);
    }
}

// An ordinary moment, and one just before the millisecond clock wraps round.
INSTANTIATE_TEST_SUITE_P(Times, ShowControllerTest, testing::Values(DWORD(123456), DWORD(0xFFFFF000)));

} // namespace
