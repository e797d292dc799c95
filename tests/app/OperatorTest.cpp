#include "DiscoverScreens.h"
#include "FrameFixture.h"
#include "GdiCount.h"
#include "HelpText.h"
#include "PatternTable.h"
#include "RemotePatch.h"
#include "Pixels.h"
#include "TestPanel.h"
#include "Texts.h"

namespace {

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        PumpMessages();
        ::Sleep(10);
    }
}

TEST_F(FrameTest, F1HAndQuestionMarkToggleTheHelpOverThePatternAndAnyOtherKeyTakesItAwayAndActs) {
    Type('3');
    auto overlays = [&] {
        int up = 0;
        for (auto& window : frame->windows) {
            up += window->content.overlay;
            // Painted over the pattern, never into it: the canvas is the pattern, the screen the box.
            const int w = window->canvas->width, h = window->canvas->height;
            const Pixels canvas = ReadPixels(window->canvas->memDC, w / 2, h / 2, 1, 1);
            const Pixels screen = ReadWindow(window->handle);
            EXPECT_EQ(canvas.At(0, 0), Gray(255 * 8 / 16)) << "the step bands' middle cell";
            EXPECT_EQ(screen.At(w / 2, h / 2) != canvas.At(0, 0), window->content.overlay);
            EXPECT_EQ(screen.At(2, 2), ReadPixels(window->canvas->memDC, 2, 2, 1, 1).At(0, 0));
        }
        return up;
    };
    const int n = static_cast<int>(frame->windows.size());
    Press(VK_F1);
    EXPECT_EQ(overlays(), n);
    Press(VK_F1);
    EXPECT_EQ(overlays(), 0);
    Type('h');
    EXPECT_EQ(overlays(), n);
    Type('?');
    EXPECT_EQ(overlays(), 0);
    Press(VK_SHIFT); // on the way to a '?': nothing happens yet
    Type('H');
    Press(VK_SHIFT);
    EXPECT_EQ(overlays(), n);
    Type('1'); // takes the help away and shows its pattern
    ExpectEveryScreenShows(patternLevelRampChart);
    for (auto& window : frame->windows)
        EXPECT_FALSE(window->content.overlay);
    Press(VK_F1);
    frame->windows[0]->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ExpectEveryScreenShows(patternGrayRingChart);
    EXPECT_FALSE(frame->Content().overlay);
}

// The timed run's steps on made-up time are the controller's test; here it runs on the real clock: one
// step a second on every screen, a click goes on from a chart it showed, A or a pattern key stops it.
TEST_F(FrameTest, TheTimedRunStepsEveryScreenOnTheClockAndAOrAPatternKeyStopsIt) {
    frame->StartTimedRun(1, 2);
    ExpectEveryScreenShows(patternTable[2].mode);
    EXPECT_EQ(frame->windows[0]->ShownLabel(), LoadText(patternTable[2].name));
    const DWORD start = ::GetTickCount();
    while (frame->windows.back()->mode == patternTable[2].mode && ::GetTickCount() - start < 3000) {
        PumpMessages();
        ::Sleep(10);
    }
    EXPECT_GE(::GetTickCount() - start, 900u);
    ExpectEveryScreenShows(patternTable[3].mode);
    EXPECT_EQ(frame->patternIndex, 3) << "a click goes on from the last chart shown";
    Type('A');
    EXPECT_FALSE(frame->Running());
    frame->StartTimedRun(1, 0);
    Type('7');
    EXPECT_FALSE(frame->Running());
    ExpectEveryScreenShows(patternBlueField);
    EXPECT_FALSE(DropQuitMessages());
}

TEST_F(FrameTest, ThePointerHidesAfterThreeStillSecondsOverAPatternAndShowsAgainOnMovement) {
    const RECT& r = frame->windows[0]->screenRect;
    auto pointer = [] {
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        ::GetCursorInfo(&info);
        return (info.flags & CURSOR_SHOWING) != 0 ? info.hCursor : nullptr;
    };
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PumpFor(2500);
    EXPECT_EQ(pointer(), ::LoadCursorA(nullptr, IDC_ARROW)) << "hidden too early";
    PumpFor(1000);
    EXPECT_TRUE(frame->PointerHidden());
    EXPECT_EQ(pointer(), nullptr);
    frame->windows[0]->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0); // clicks work hidden or not
    ExpectEveryScreenShows(patternGrayRingChart);
    ::SetCursorPos((r.left + r.right) / 2 + 5, (r.top + r.bottom) / 2);
    PumpFor(200);
    EXPECT_FALSE(frame->PointerHidden());
    EXPECT_EQ(pointer(), ::LoadCursorA(nullptr, IDC_ARROW));
}

// Where the status and the labels of a moment go is the controller's test; here every screen shows the
// patches, nothing lies over them, keys still work, and hundreds of them leave nothing behind.
TEST_F(FrameTest, RemotePatchesOnEveryScreenTheStatusOnlyWhileNoneIsShownAndKeysStillWork) {
    frame->OnRemoteStatus(L"Waiting for host:20002");
    EXPECT_EQ(frame->windows[0]->ShownLabel(), L"Waiting for host:20002");
    Type('4'); // a pattern change keeps the status
    EXPECT_EQ(frame->windows[0]->ShownLabel(), L"Waiting for host:20002");
    Press(VK_F1);

    const RemotePatch patch = {RGB(0, 0, 200), RGB(255, 128, 0), 0.25, 0.5, 0.5, 0.25};
    frame->OnRemotePatch(patch);
    ExpectEveryScreenShows(patternRemote);
    for (auto& window : frame->windows) {
        SCOPED_TRACE(testing::Message() << "screen " << window->screenIndex);
        EXPECT_EQ(window->ShownLabel(), L"") << "nothing over a measured patch";
        EXPECT_FALSE(window->content.overlay);
        const int w = window->canvas->width, h = window->canvas->height;
        // The patch from a quarter to three quarters across and from half to three quarters down, each
        // edge rounded half up.
        const RECT r = {(w + 2) / 4, (h + 1) / 2, (3 * w + 2) / 4, (3 * h + 2) / 4};
        const Pixels p = ReadWindow(window->handle);
        EXPECT_TRUE(RectIs(p, r, RGB(255, 128, 0)));
        EXPECT_EQ(CountColor(p, {0, 0, w, h}, RGB(0, 0, 200)),
                  w * h - (r.right - r.left) * (r.bottom - r.top));
    }
    frame->OnRemoteIgnored(L"no geometry");
    EXPECT_EQ(frame->windows[0]->ShownLabel(), L"ignored: no geometry");
    ExpectEveryScreenShows(patternRemote);
    Type('2');
    ExpectEveryScreenShows(patternGrayRingChart);
    frame->OnRemotePatch(patch);
    ExpectEveryScreenShows(patternRemote);

    // Hundreds of requests later, nothing of them is left behind.
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 300; ++i)
        frame->OnRemotePatch({RGB(i % 256, 0, 0), RGB(0, i % 256, 0), 0.001 * i, 0.2, 0.3, 0.4});
    PumpMessages();
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST_F(FrameTest, ThePatchLabelGoesAwayByItselfAfterTwoSeconds) {
    Type('4');
    frame->windows[0]->Send(WM_KEYDOWN, VK_DOWN, 1);
    CPatternWindow& screen0 = *frame->windows[0];
    const int w = screen0.canvas->width, h = screen0.canvas->height;
    const RECT corner = {0, h - h / 10, w / 3, h}; // the label's place: black in the patch
    ASSERT_TRUE(RectIs(ReadPixels(screen0.canvas->memDC, 0, 0, w, h), corner, Gray(0)));
    EXPECT_GT(w / 3 * (h / 10) - CountColor(ReadWindow(screen0.handle), corner, Gray(0)), 0)
        << "no label shown";

    const DWORD start = ::GetTickCount();
    while (!screen0.ShownLabel().empty() && ::GetTickCount() - start < 4000) {
        PumpMessages();
        ::Sleep(20);
    }
    const DWORD took = ::GetTickCount() - start;
    EXPECT_TRUE(screen0.ShownLabel().empty());
    EXPECT_GE(took, 1800u);
    EXPECT_LE(took, 3000u);
    PumpMessages();
    EXPECT_TRUE(RectIs(ReadWindow(screen0.handle), corner, Gray(0))) << "the label left something behind";
}

TEST(HelpText, EveryKeyAndWhichScreenThisIs) {
    // What the help says of the keys, a line each (a tab before what the key does).
    const std::vector<std::wstring> keys = {
        L"1\tlevel ramp chart",
        L"2\tgray ring chart",
        L"3\tgray step bands",
        L"4\tcentre square",
        L"G\tgamma chart",
        L"I\tinversion chart",
        L"C\tcontrast checkerboard; again: inverted checkerboard",
        L"U\tuniformity grid",
        L"D\tdepth chart: 10 bits beside 8",
        L"5\tred field",
        L"6\tgreen field",
        L"7\tblue field",
        L"8\twhite field",
        L"9\tblack field",
        L"0\t50% gray field",
        L"M\tmoving blocks; again: moving blocks, vertical; again: frame steps",
        L"Up, Down\tthe level of the centre square and uniformity grid (with Shift: one code value)",
        L"Left, Right\tthe size of the centre square and uniformity grid",
        L"Home\tthe centre square and uniformity grid as they start",
        L"arrows, Home\tmotion: Up, Right faster; Down, Left slower; Home 960 pixels a second",
        L"A\ttimed run through every pattern; again: stop",
        L"left click\tthe next of the charts 1 to 4",
        L"F1, H, ?\tthis help; any other key or click takes it away",
        L"Esc, Space, right click\tquit",
        L"The frame steps flicker: each ladder rung lights at 1/4 of the refresh rate."};
    EXPECT_EQ(KeyLines(), keys);

    const struct {
        int number, count;
        RECT rect;
        ScreenDetails details;
        std::vector<std::wstring> expected;
    } screens[] = {
        {1,
         2,
         {0, 0, 1920, 1080},
         {32, 60, true, 10},
         {L"Screen 1 of 2, primary", L"1920 x 1080 at 0, 0", L"32 bits per pixel, 60 Hz",
          L"10 bits per colour reach the monitor", L"monitor unknown"}},
        {3,
         3,
         {-1080, -200, 0, 1720},
         {16, 0, false},
         {L"Screen 3 of 3", L"1080 x 1920 at -1080, -200", L"16 bits per pixel, refresh rate unknown",
          L"bits per colour at the monitor: unknown", L"monitor unknown"}},
        {1,
         1,
         {0, 0, 7680, 4320},
         {0, 144, true, 8},
         {L"Screen 1 of 1, primary", L"7680 x 4320 at 0, 0", L"colour depth unknown, 144 Hz",
          L"8 bits per colour reach the monitor", L"monitor unknown"}},
        {2,
         2,
         {1920, 0, 3840, 1080},
         {32, 60, false, 0, TestPanel(2560, 1440)},
         {L"Screen 2 of 2", L"1920 x 1080 at 1920, 0", L"32 bits per pixel, 60 Hz",
          L"bits per colour at the monitor: unknown", L"DELL U2720Q (DEL A0B1)", L"serial ABC123",
          L"native mode 2560 x 1440 at 59.95 Hz", L"597 x 336 mm, 109 pixels per inch",
          L"Not at its native mode: this monitor's own is 2560 x 1440, so it scales every pattern.",
          L"Gratings, inversion tiles and the gamma chart read wrong here."}}};
    for (const auto& s : screens)
        EXPECT_EQ(IdentityLines({s.number, s.count, s.details}, s.rect), s.expected);
    EdidFacts oneSide = TestPanel(1920, 1080);
    oneSide.heightMm = 0;
    for (const std::wstring& line : IdentityLines({1, 1, {32, 60, true, 8, oneSide}}, {0, 0, 1920, 1080}))
        EXPECT_EQ(line.find(L" mm"), std::wstring::npos) << "a width without a height is no size";

    // On the bench: the display's own depth and rate, and screen 0 is the primary.
    for (const RECT& rect : DiscoverScreens()) {
        const ScreenDetails details = DescribeScreen(rect);
        HDC screen = ::GetDC(nullptr);
        EXPECT_EQ(details.bitsPerPixel, ::GetDeviceCaps(screen, BITSPIXEL));
        ::ReleaseDC(nullptr, screen);
        EXPECT_GT(details.refreshRate, 0);
        EXPECT_EQ(details.primary, rect.left == 0 && rect.top == 0);
    }
}

} // namespace
