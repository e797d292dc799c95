#include "CentreSquareRect.h"
#include "DiscoverScreens.h"
#include "Frame.h"
#include "GdiCount.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "Pixels.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

// The screens the frame sees: the test changes them as a monitor change would. Each runs at 32 bits
// per pixel and 60 Hz unless the test says otherwise; the first is the primary.
std::vector<RECT> screens;
ScreenDetails firstDetails = {32, 60, true};

ScreenLayout Layout(const std::vector<RECT>& rects) {
    ScreenLayout layout;
    for (size_t i = 0; i < rects.size(); ++i)
        layout.push_back({rects[i], i == 0 ? firstDetails : ScreenDetails{32, 60, false}});
    return layout;
}

ScreenLayout TestScreens() {
    return Layout(screens);
}

// Small screens, anywhere on the desktop (negative coordinates too, portrait too).
const RECT A = {0, 0, 320, 240}, B = {320, 0, 720, 300}, C = {-200, 0, 0, 150}, D = {720, 0, 840, 400},
           A2 = {0, 0, 256, 200};

int created = 0; // pattern windows made while the hook below is set

LRESULT CALLBACK CountCreations(int code, WPARAM wParam, LPARAM lParam) {
    char name[64] = {};
    if (code == HCBT_CREATEWND && ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
        std::string(name) == CPatternWindow::className)
        ++created;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A frame that takes its screens from the test; it shows the centre square, whose pixels are quick to
// check at any size.
class FollowScreensTest : public testing::Test {
  protected:
    void SetUp() override {
        screens = {A, B};
        frame.reset(new CFrame(::GetModuleHandleA(nullptr)));
        frame->screenSource = &TestScreens;
        frame->RegsiterClass();
        ASSERT_TRUE(frame->Create());
        frame->OnChar('4', 1);
        PumpMessages();
    }
    void TearDown() override {
        frame.reset();
        DropQuitMessages();
        UnregisterProgramClasses();
    }

    // Pumps messages until the windows cover the test's screens, at most `limit` ms; the time it took.
    DWORD PumpUntilFollowed(DWORD limit) {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < limit) {
            PumpMessages();
            if (SameScreens(frame->CoveredScreens(), screens))
                break;
            ::Sleep(10);
        }
        return ::GetTickCount() - start;
    }

    // Exactly one window per screen, on it, numbered in order, showing the centre square for its size;
    // no other pattern window; the focus on screen 0.
    void ExpectWindowsOn(const std::vector<RECT>& expected) {
        ASSERT_EQ(frame->windows.size(), expected.size());
        EXPECT_EQ(ThreadWindows(CPatternWindow::className).size(), expected.size())
            << "a window was left over";
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "screen " << i);
            CPatternWindow& window = *frame->windows[i];
            EXPECT_EQ(window.screenIndex, static_cast<int>(i));
            RECT placed;
            ::GetWindowRect(window.handle, &placed);
            EXPECT_TRUE(::EqualRect(&placed, &expected[i]));
            EXPECT_TRUE(::EqualRect(&window.screenRect, &expected[i]));
            EXPECT_TRUE(::IsWindowVisible(window.handle));
            EXPECT_EQ(window.mode, patternCentreSquare);
            const int w = expected[i].right - expected[i].left, h = expected[i].bottom - expected[i].top;
            ASSERT_EQ(window.canvas->width, w);
            ASSERT_EQ(window.canvas->height, h);
            const RECT square = CentreSquare(w, h);
            const Pixels shown = ReadPixels(window.canvas->memDC, 0, 0, w, h);
            EXPECT_TRUE(RectIs(shown, square, RGB(255, 255, 255)));
            EXPECT_EQ(CountColor(shown, {0, 0, w, h}, RGB(0, 0, 0)),
                      w * h - (square.right - square.left) * (square.bottom - square.top));
        }
        EXPECT_EQ(::GetFocus(), frame->windows[0]->handle) << "the focus is not on screen 0";
    }

    std::unique_ptr<CFrame> frame;
};

TEST_F(FollowScreensTest, EveryChangeOfTheScreensLeavesOneWindowOnEachShowingThePattern) {
    struct Step {
        const char* what;
        std::vector<RECT> to;
    } steps[] = {
        {"the same", {A, B}},          {"grown", {A, B, C}}, {"reordered", {C, A, B}},
        {"one resized", {C, A2, B}},   {"shrunk", {C, A2}},  {"all replaced", {D}},
        {"grown from one", {A, B, D}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        std::map<std::pair<LONG, LONG>, HWND> before; // a window by the top left corner of its screen
        for (auto& window : frame->windows)
            before[{window->screenRect.left, window->screenRect.top}] = window->handle;
        const bool same = std::string(step.what) == "the same";
        if (same)
            for (auto& window : frame->windows)
                window->canvas->Fill(RGB(255, 0, 0)); // only a redraw would cover this
        screens = step.to;
        frame->ReconcileScreens(Layout(screens));
        EXPECT_FALSE(DropQuitMessages()) << "a window going away ended the program";
        PumpMessages();
        // A window whose screen stayed where it was is the same window, left alone unless resized.
        for (size_t i = 0; i < step.to.size(); ++i) {
            auto kept = before.find({step.to[i].left, step.to[i].top});
            if (kept == before.end())
                continue;
            EXPECT_EQ(frame->windows[i]->handle, kept->second) << "screen " << i << " got another window";
        }
        if (same) {
            for (auto& window : frame->windows)
                EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), RGB(255, 0, 0))
                    << "an unchanged screen was redrawn";
            frame->ApplyPatternIndex(); // the red mark goes
            continue;
        }
        ExpectWindowsOn(step.to);
    }
}

TEST_F(FollowScreensTest, OnlyTheChosenScreensThatExistAreCoveredAndAStillLayoutIsLeftAlone) {
    frame->chosenScreens = {2, 3}; // as the command line sets it before Create
    frame->ReconcileScreens(Layout(screens));
    const struct {
        std::vector<RECT> all, covered;
        std::vector<int> numbers;
    } steps[] = {{{A, B}, {B}, {2}}, {{A, C, D}, {C, D}, {2, 3}}, {{A}, {}, {}}, {{D, A2}, {A2}, {2}}};
    for (const auto& step : steps) {
        screens = step.all;
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 3000 && !SameScreens(frame->CoveredScreens(), step.covered)) {
            PumpMessages();
            ::Sleep(10);
        }
        ASSERT_TRUE(SameScreens(frame->CoveredScreens(), step.covered)) << step.all.size() << " screens";
        EXPECT_EQ(ThreadWindows(CPatternWindow::className).size(), step.covered.size());
        for (size_t i = 0; i < step.covered.size(); ++i) {
            EXPECT_EQ(frame->windows[i]->screen.number, step.numbers[i]);
            EXPECT_EQ(frame->windows[i]->screen.count, static_cast<int>(step.all.size()));
        }
    }
    // The frame covers less than the whole layout; while that stands still nothing happens, and the
    // focus stays where the user put it, also when the warnings of the screens just covered go.
    TestWindow elsewhere("tessaryn test desktop window");
    ASSERT_TRUE(elsewhere.CreateAt(900, 0, 50, 50));
    ::SetFocus(elsewhere.handle);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 4500) { // past the end of the warnings the new screens gave
        PumpMessages();
        ::Sleep(10);
    }
    EXPECT_EQ(::GetFocus(), elsewhere.handle);
}

TEST_F(FollowScreensTest, AChangeIsFollowedWithinAboutASecondWithoutBeingTold) {
    screens = {B, C, D};
    const DWORD took = PumpUntilFollowed(4000);
    std::printf("followed a change seen only by looking in %lu ms\n", static_cast<unsigned long>(took));
    ExpectWindowsOn(screens);
    EXPECT_LE(took, 2000u);
    EXPECT_EQ(frame->patternIndex, 3) << "the cycle position is kept";

    // The same rectangles at another depth and rate: what the help says of the screen follows too.
    firstDetails = {16, 75, true};
    const DWORD start = ::GetTickCount();
    while (frame->windows[0]->screen.details != firstDetails && ::GetTickCount() - start < 4000) {
        PumpMessages();
        ::Sleep(10);
    }
    firstDetails = {32, 60, true};
    EXPECT_EQ(frame->windows[0]->screen.details.bitsPerPixel, 16);
    EXPECT_EQ(frame->windows[0]->screen.details.refreshRate, 75);
    ExpectWindowsOn(screens);
}

TEST_F(FollowScreensTest, ABurstOfDisplayChangesIsFollowedOnceWhenItEnds) {
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &CountCreations, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    created = 0;
    const std::vector<RECT> burst[] = {{A, B, C}, {A}, {A, B, C, D}, {B}, {A, B, C}};
    for (const auto& layout : burst) {
        screens = layout;
        frame->Send(WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
        PumpMessages();
        ::Sleep(60);
    }
    PumpUntilFollowed(3000);
    ::UnhookWindowsHookEx(hook);
    ExpectWindowsOn(screens);
    EXPECT_EQ(created, 1) << "the windows followed the burst step by step";
}

TEST_F(FollowScreensTest, ADisplayChangeRemakesAndRedrawsEveryScreenEvenWhenTheLayoutStays) {
    std::vector<HBITMAP> bitmaps;
    for (auto& window : frame->windows) {
        window->canvas->Fill(RGB(255, 0, 0));
        bitmaps.push_back(window->canvas->bitmap);
    }
    frame->Send(WM_DISPLAYCHANGE, 8, MAKELPARAM(1024, 768)); // a new depth, say
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 1000) {
        PumpMessages();
        ::Sleep(10);
    }
    ExpectWindowsOn(screens);
    for (size_t i = 0; i < frame->windows.size(); ++i)
        EXPECT_NE(frame->windows[i]->canvas->bitmap, bitmaps[i]) << "screen " << i << " kept its surface";
}

TEST_F(FollowScreensTest, HundredChangesLeaveNoGdiObjectBehind) {
    const std::vector<RECT> layouts[] = {{A, B, C}, {A2}, {D, A}};
    for (const auto& layout : layouts) // every size once: caches settle
        frame->ReconcileScreens(Layout(layout));
    PumpMessages();
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 99; ++i)
        frame->ReconcileScreens(Layout(layouts[i % 3]));
    PumpMessages();
    EXPECT_EQ(CountGdiObjects(), before);
    screens = layouts[2];
    ExpectWindowsOn(screens);
}

// SetThreadExecutionState as the frame calls it: the states asked for, in order.
std::vector<EXECUTION_STATE> states;

EXECUTION_STATE WINAPI RecordState(EXECUTION_STATE state) {
    states.push_back(state);
    return ES_CONTINUOUS;
}

FARPROC RecordingLookUp(const char* name) {
    return std::string(name) == "SetThreadExecutionState"
               ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordState))
               : nullptr;
}

FARPROC MissingLookUp(const char*) {
    return nullptr;
}

TEST(KeepAwake, TheDisplaysStayOnWhileTheFrameLivesAndTheProgramRunsWithoutTheFunction) {
    for (bool present : {true, false}) {
        SCOPED_TRACE(present ? "with SetThreadExecutionState" : "without it");
        states.clear();
        screens = {A, B};
        std::unique_ptr<CFrame> frame(new CFrame(::GetModuleHandleA(nullptr)));
        frame->screenSource = &TestScreens;
        frame->keepAwakeLookup = present ? &RecordingLookUp : &MissingLookUp;
        frame->RegsiterClass();
        ASSERT_TRUE(frame->Create());
        const std::vector<EXECUTION_STATE> none,
            held = {ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED};
        EXPECT_EQ(states, present ? held : none);
        frame->windows[1]->Send(WM_CHAR, '3', 1);
        for (auto& window : frame->windows)
            EXPECT_EQ(window->mode, patternGrayStepBands);
        frame.reset();
        const std::vector<EXECUTION_STATE> released = {held[0], ES_CONTINUOUS};
        EXPECT_EQ(states, present ? released : none);
        UnregisterProgramClasses();
        DropQuitMessages();
    }
}

} // namespace
