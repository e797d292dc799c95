#include "CentreSquareRect.h"
#include "FrameFixture.h"
#include "GdiCount.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "Pixels.h"
#include "TestWindow.h"
#include "UniformitySteps.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST_F(FrameTest, StartsWithTheRampChartOnEveryMonitorAndAHiddenTitledWindow) {
    ASSERT_EQ(static_cast<int>(frame->windows.size()), ::GetSystemMetrics(SM_CMONITORS));
    ASSERT_GE(frame->windows.size(), 2u) << "the bench has two heads";
    for (size_t i = 0; i < frame->windows.size(); ++i) {
        CPatternWindow& window = *frame->windows[i];
        EXPECT_EQ(window.screenIndex, static_cast<int>(i));
        MONITORINFO info = {};
        info.cbSize = sizeof info;
        const POINT corner = {window.screenRect.left, window.screenRect.top};
        ::GetMonitorInfoA(::MonitorFromPoint(corner, MONITOR_DEFAULTTONULL), &info);
        EXPECT_TRUE(::EqualRect(&window.screenRect, &info.rcMonitor)) << "screen " << i;
        RECT placed;
        ::GetWindowRect(window.handle, &placed);
        EXPECT_TRUE(::EqualRect(&placed, &window.screenRect)) << "screen " << i;
        EXPECT_TRUE(::IsWindowVisible(window.handle));
        EXPECT_EQ(window.canvas->width, window.screenRect.right - window.screenRect.left);
    }
    ExpectEveryScreenShows(patternLevelRampChart);
    EXPECT_EQ(frame->patternIndex, 0);
    EXPECT_FALSE(::IsWindowVisible(frame->handle));
    char title[64] = {};
    ::GetWindowTextA(frame->handle, title, sizeof title);
    EXPECT_STREQ(title, "Tessaryn");
}

TEST_F(FrameTest, ThePointerStaysTheVisibleStandardArrowOverEveryScreen) {
    for (auto& window : frame->windows) {
        const RECT& r = window->screenRect;
        ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        for (int i = 0; i < 10; ++i) {
            PumpMessages();
            ::Sleep(20);
        }
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetCursorInfo(&info));
        EXPECT_TRUE(info.flags & CURSOR_SHOWING) << "screen " << window->screenIndex;
        EXPECT_EQ(info.hCursor, ::LoadCursorA(nullptr, IDC_ARROW)) << "screen " << window->screenIndex;
        EXPECT_EQ(::WindowFromPoint(info.ptScreenPos), window->handle);
    }
}

TEST_F(FrameTest, DigitKeysChooseThePatternAndOtherKeysDoNothing) {
    const struct {
        char key;
        PatternMode mode;
    } keys[] = {{'2', 8}, {'3', 7}, {'4', 11}, {'1', 9}, {'4', 11}};
    for (const auto& k : keys) {
        Type(k.key);
        SCOPED_TRACE(testing::Message() << "key " << k.key);
        ExpectEveryScreenShows(k.mode);
    }
    const int others[] = {'b', 'Z', '\r', '\t', '\b', '/', ':', 0xB1, 0xA0, 0x9B, 0xFF};
    for (int ch : others) {
        Type(static_cast<char>(ch));
        SCOPED_TRACE(testing::Message() << "character " << ch);
        ExpectEveryScreenShows(patternCentreSquare);
        EXPECT_EQ(frame->patternIndex, 3);
    }
    EXPECT_FALSE(DropQuitMessages());
}

TEST_F(FrameTest, LeftClicksStepThroughTheCycle) {
    const PatternMode expected[] = {8, 7, 11, 9, 8};
    for (PatternMode mode : expected) {
        frame->windows.back()->Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        ExpectEveryScreenShows(mode);
    }
    Type('3');
    frame->windows[0]->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ExpectEveryScreenShows(patternCentreSquare);
}

TEST_F(FrameTest, KeysOutsideTheCycleShowTheirPatternAndKeepTheCyclePositionForTheNextClick) {
    const struct {
        char key;
        PatternMode field;
        char chartBefore;
        PatternMode chartAfterClick;
    } cases[] = {{'5', patternRedField, '1', 8},      {'6', patternGreenField, '2', 7},
                 {'7', patternBlueField, '3', 11},    {'8', patternWhiteField, '4', 9},
                 {'9', patternBlackField, '2', 7},    {'0', patternGrayField, '4', 9},
                 {'g', patternGammaChart, '1', 8},    {'I', patternInversionChart, '3', 11},
                 {'u', patternUniformityGrid, '2', 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " after key " << c.chartBefore);
        Type(c.chartBefore);
        const int position = frame->patternIndex;
        Type(c.key);
        ExpectEveryScreenShows(c.field);
        EXPECT_EQ(frame->patternIndex, position);
        // The same key again draws the field again, and the focus still ends on screen 0.
        for (auto& window : frame->windows)
            window->canvas->Fill(RGB(1, 2, 3));
        Type(c.key, 0x40000001);
        ExpectEveryScreenShows(c.field);
        for (auto& window : frame->windows)
            EXPECT_EQ(CountColor(ReadPixels(window->canvas->memDC, 0, 0, 8, 8), {0, 0, 8, 8}, RGB(1, 2, 3)),
                      0);
        frame->windows.back()->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ExpectEveryScreenShows(c.chartAfterClick);
    }
}

TEST_F(FrameTest, ArrowsStepTheCentreSquaresPatchAndAnyPatternChangeMakesItStandardAgain) {
    auto expectPatch = [&](const PatternParams& expected) {
        for (auto& window : frame->windows) {
            SCOPED_TRACE(testing::Message() << "screen " << window->screenIndex);
            EXPECT_TRUE(window->content.params == expected);
            const int w = window->canvas->width, h = window->canvas->height;
            const RECT square = PatchSquare(w, h, expected.size);
            EXPECT_EQ(ReadPixels(window->canvas->memDC, square.left, square.top, 1, 1).At(0, 0),
                      Gray(expected.level));
            EXPECT_EQ(window->ShownLabel(), window->screenIndex == 0 ? PatchLabel(expected) : L"");
        }
        EXPECT_EQ(frame->patternIndex, 3);
        EXPECT_EQ(::GetFocus(), frame->windows[0]->handle);
    };
    Type('1');
    Press(VK_DOWN);
    EXPECT_TRUE(frame->Content().params == standardPatch) << "the arrows work on the centre square only";
    EXPECT_EQ(frame->windows[0]->ShownLabel(), L"");

    Type('4');
    const struct {
        WPARAM key;
        bool shift;
        PatternParams patch;
    } steps[] = {{VK_DOWN, false, {230, 2}},  {VK_DOWN, false, {204, 2}},   {VK_UP, true, {205, 2}},
                 {VK_RIGHT, false, {205, 5}}, {VK_RIGHT, false, {205, 10}}, {VK_UP, false, {230, 10}},
                 {VK_LEFT, false, {230, 5}},  {VK_HOME, false, {255, 2}},   {VK_LEFT, false, {255, 1}},
                 {VK_DOWN, true, {254, 1}}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << (step.shift ? " with Shift" : ""));
        Press(step.key, step.shift);
        expectPatch(step.patch);
    }
    // A field, then the centre square again: the standard square, without a label.
    Type('5');
    Type('4');
    for (auto& window : frame->windows) {
        EXPECT_TRUE(window->content.params == standardPatch);
        EXPECT_EQ(window->ShownLabel(), L"");
        const RECT square = CentreSquare(window->canvas->width, window->canvas->height);
        EXPECT_TRUE(
            RectIs(ReadPixels(window->canvas->memDC, 0, 0, window->canvas->width, window->canvas->height),
                   square, Gray(255)));
    }
}

TEST_F(FrameTest, TheCheckerboardKeyTogglesItsInversionAndTheArrowsStepTheUniformityGrid) {
    // What each screen shows: 4 x 4 rectangles, white and black in turn, white at the top left; after
    // the key again the inverse; and again the first.
    const struct {
        char key;
        bool inverted;
    } toggles[] = {{'c', false}, {'C', true}, {'c', false}};
    for (const auto& t : toggles) {
        Type(t.key);
        for (auto& window : frame->windows) {
            const Pixels shown = ReadWindow(window->handle);
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column) {
                    const bool white = ((row + column) % 2 == 0) != t.inverted;
                    EXPECT_EQ(shown.At((2 * column + 1) * shown.width / 8, (2 * row + 1) * shown.height / 8),
                              Gray(white ? 255 : 0))
                        << "screen " << window->screenIndex << ", rectangle " << column << ", " << row
                        << (t.inverted ? ", inverted" : "");
                }
        }
        EXPECT_EQ(::GetFocus(), frame->windows[0]->handle);
    }

    Type('U');
    const struct {
        WPARAM key;
        PatternParams params;
        const wchar_t* label;
    } steps[] = {{VK_RIGHT, {128, 5}, L"50% (128) \u00B7 5\u00D75"},
                 {VK_DOWN, {102, 5}, L"40% (102) \u00B7 5\u00D75"},
                 {VK_HOME, {128, 3}, L"50% (128) \u00B7 3\u00D73"}};
    for (const auto& step : steps) {
        Press(step.key);
        for (auto& window : frame->windows) {
            SCOPED_TRACE(testing::Message() << "key " << step.key << ", screen " << window->screenIndex);
            EXPECT_TRUE(window->content.params == step.params);
            EXPECT_EQ(window->ShownLabel(), window->screenIndex == 0 ? step.label : L"");
            const int w = window->canvas->width, n = step.params.size, level = step.params.level;
            const Pixels row = ReadPixels(window->canvas->memDC, 0, 0, w, 1);
            EXPECT_EQ(row.At(w / n - 1, 0), Gray(level));
            EXPECT_EQ(row.At(w / n, 0), Gray(level >= 128 ? level - 64 : level + 64));
        }
    }
    Type('u');
    EXPECT_TRUE(frame->Content().params == uniformitySteps.standard)
        << "a pattern change starts the grid afresh";
}

TEST_F(FrameTest, RepeatingAKeyRedrawsEveryScreen) {
    Type('2');
    for (auto& window : frame->windows)
        window->canvas->Fill(RGB(255, 0, 0)); // a mark the redraw must cover
    Type('2', 0x40000001);                    // auto-repeat
    ExpectEveryScreenShows(patternGrayRingChart);
    for (auto& window : frame->windows) {
        const Pixels canvas = ReadPixels(window->canvas->memDC, 0, 0, 40, 40);
        EXPECT_EQ(CountColor(canvas, {0, 0, 40, 40}, RGB(255, 0, 0)), 0) << "screen " << window->screenIndex;
        EXPECT_EQ(canvas.At(5, 30), Gray(127));
    }
}

TEST_F(FrameTest, EscSpaceRightAndMiddleClicksQuitAndLeaveTheWindows) {
    for (int way = 0; way < 4; ++way) {
        CPatternWindow& window = *frame->windows[way % frame->windows.size()];
        switch (way) {
        case 0:
            window.Send(WM_CHAR, 27, 1);
            break;
        case 1:
            window.Send(WM_CHAR, ' ', 1);
            break;
        case 2:
            window.Send(WM_RBUTTONDOWN, MK_RBUTTON, 0);
            break;
        case 3:
            window.Send(WM_MBUTTONDOWN, MK_MBUTTON, 0);
            break;
        }
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "way " << way;
        EXPECT_EQ(msg.wParam, 0u);
        EXPECT_FALSE(DropQuitMessages()) << "more than one quit";
        for (auto& w : frame->windows)
            EXPECT_TRUE(::IsWindowVisible(w->handle));
    }
    // The frame's own window going away quits too.
    ::DestroyWindow(frame->handle);
    EXPECT_TRUE(DropQuitMessages());
}

TEST_F(FrameTest, HundredsOfPatternChangesLeaveNoGdiObjectBehind) {
    for (int i = 0; i < 4; ++i) // every pattern once: fonts and caches settle
        frame->windows[0]->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PumpMessages();
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 200; ++i)
        frame->windows[0]->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    for (int i = 0; i < 100; ++i)
        frame->windows[0]->Send(WM_CHAR, '2', 0x40000001); // a held key's auto-repeat
    PumpMessages();
    EXPECT_EQ(CountGdiObjects(), before);
    ExpectEveryScreenShows(patternGrayRingChart);
}

TEST_F(FrameTest, DestroyingTheFrameTakesEveryWindowAlong) {
    std::vector<HWND> handles;
    for (auto& window : frame->windows)
        handles.push_back(window->handle);
    HWND own = frame->handle;
    frame.reset();
    for (HWND h : handles)
        EXPECT_FALSE(::IsWindow(h));
    EXPECT_FALSE(::IsWindow(own));
    EXPECT_TRUE(ThreadWindows(CPatternWindow::className).empty());
}

} // namespace
