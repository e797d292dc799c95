#include "CentreSquareRect.h"
#include "GdiObject.h"
#include "PatternWindowFixture.h"
#include "Pixels.h"

namespace {

TEST_F(PatternWindowTest, CreatedHiddenInModeZeroThenSizedToItsScreen) {
    EXPECT_EQ(window->mode, patternNone);
    ASSERT_NE(window->canvas, nullptr);
    const RECT placed = Placed();
    EXPECT_TRUE(::EqualRect(&placed, &screen));
    EXPECT_EQ(window->canvas->width, 320);
    EXPECT_EQ(window->canvas->height, 240);
    EXPECT_TRUE(RectIs(ReadPixels(window->canvas->memDC, 0, 0, 320, 240), {0, 0, 320, 240}, RGB(0, 0, 0)));
    char name[64] = {};
    ::GetClassNameA(window->handle, name, sizeof name);
    EXPECT_STREQ(name, "calibration pattern wndclass");
    // No caption or border: the pattern has the whole window.
    RECT client;
    ::GetClientRect(window->handle, &client);
    EXPECT_EQ(client.right - client.left, 320);
    EXPECT_EQ(client.bottom - client.top, 240);
    // No background: erasing leaves what the window shows, so a repaint never flashes.
    HDC dc = ::GetDC(window->handle);
    {
        CBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
        ::FillRect(dc, &client, red);
    }
    window->Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_TRUE(RectIs(ReadPixels(dc, 0, 0, 320, 240), client, RGB(255, 0, 0))) << "the erase painted";
    ::ReleaseDC(window->handle, dc);
    // The pointer over it is the standard arrow (until it hides, which is the owner's to say).
    ::SetCursor(nullptr);
    window->Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window->handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(PatternWindowTest, AnySizeGoesBackToTheScreenAndAnUnchangedCanvasStays) {
    window->SetMode(patternCentreSquare);
    HBITMAP bitmap = window->canvas->bitmap;
    ::MoveWindow(window->handle, 0, 0, 77, 33, TRUE);
    RECT placed = Placed();
    EXPECT_TRUE(::EqualRect(&placed, &screen));
    window->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(5, 5));
    placed = Placed();
    EXPECT_TRUE(::EqualRect(&placed, &screen));
    EXPECT_EQ(window->canvas->bitmap, bitmap);
    EXPECT_EQ(window->canvas->width, 320);
}

TEST_F(PatternWindowTest, SetModeDrawsPaintsAndFocusesOnlyOnAChange) {
    TestWindow other("tessaryn test other window");
    ASSERT_TRUE(other.CreateAt(600, 400, 30, 30));

    window->SetMode(patternCentreSquare);
    EXPECT_EQ(::GetFocus(), window->handle);
    const RECT square = CentreSquare(320, 240);
    Pixels shown = ReadWindow(window->handle);
    EXPECT_TRUE(RectIs(shown, square, RGB(255, 255, 255)));
    EXPECT_EQ(CountColor(shown, {0, 0, 320, 240}, RGB(0, 0, 0)),
              320 * 240 - (square.right - square.left) * (square.bottom - square.top));

    // The same mode again: redrawn and repainted, but neither moved nor focused.
    ::SetFocus(other.handle);
    ::SetWindowPos(window->handle, nullptr, 130, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->canvas->Fill(RGB(255, 0, 0));
    window->SetMode(patternCentreSquare);
    EXPECT_EQ(::GetFocus(), other.handle);
    EXPECT_EQ(Placed().left, 130);
    EXPECT_TRUE(RectIs(ReadWindow(window->handle), square, RGB(255, 255, 255)));

    // A new mode takes the focus and goes back onto the screen.
    window->SetMode(patternGrayStepBands);
    EXPECT_EQ(::GetFocus(), window->handle);
    EXPECT_EQ(Placed().left, 100);
    EXPECT_EQ(ReadWindow(window->handle).At(0, 0), Gray(239));
}

TEST_F(PatternWindowTest, PaletteMessagesRedrawOnlyWithAPatternAndNotForTheWindowsOwnChange) {
    window->canvas->Fill(RGB(255, 0, 0));
    EXPECT_EQ(window->Send(WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_EQ(window->Send(WM_PALETTECHANGED, 0, 0), 0);
    EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), RGB(255, 0, 0)) << "mode 0 drew";

    window->SetMode(patternGrayStepBands);
    window->canvas->Fill(RGB(255, 0, 0));
    // Redrawn either way; but only a surface that works through a palette has one to realize.
    EXPECT_EQ(window->Send(WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), Gray(239));
    window->canvas->readPaletteDisplay = [](HWND) { return true; };
    window->RemakeSurface();
    EXPECT_EQ(window->Send(WM_QUERYNEWPALETTE, 0, 0), TRUE);
    window->canvas->readPaletteDisplay = [](HWND) { return false; };
    window->RemakeSurface();
    window->canvas->Fill(RGB(255, 0, 0));
    TestWindow other("tessaryn test palette changer");
    ASSERT_TRUE(other.CreateAt(600, 400, 30, 30));
    EXPECT_EQ(window->Send(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(other.handle), 0), 0);
    EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), Gray(239));
    // Its own change of the system palette: redrawing would realize a new palette and loop for ever.
    window->canvas->Fill(RGB(255, 0, 0));
    EXPECT_EQ(window->Send(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(window->handle), 0), 0);
    EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), RGB(255, 0, 0));
}

TEST_F(PatternWindowTest, InputGoesToTheOwner) {
    window->Send(WM_CHAR, '3', 0x40000001);
    ASSERT_EQ(owner.chars.size(), 1u);
    EXPECT_EQ(owner.chars[0].first, static_cast<WPARAM>('3'));
    EXPECT_EQ(owner.chars[0].second, 0x40000001);
    window->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(owner.left, 1);
    EXPECT_EQ(window->Send(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(window->handle), 0), MA_ACTIVATEANDEAT);
    window->Send(WM_RBUTTONDOWN, MK_RBUTTON, 0);
    window->Send(WM_MBUTTONDOWN, MK_MBUTTON, 0);
    EXPECT_EQ(owner.right, 2);
    EXPECT_EQ(owner.left, 1);
    window->Send(WM_KEYDOWN, VK_LEFT, 0x014B0001);
    ASSERT_EQ(owner.keys.size(), 1u);
    EXPECT_EQ(owner.keys[0].first, static_cast<WPARAM>(VK_LEFT));
    EXPECT_EQ(owner.keys[0].second, 0x014B0001);
}

TEST_F(PatternWindowTest, ANewScreenMovesResizesAndRedrawsTheWindowAndTheSameOneChangesNothing) {
    window->SetMode(patternCentreSquare);
    window->canvas->Fill(RGB(255, 0, 0));
    window->SetScreen(3, screen);
    EXPECT_EQ(window->screenIndex, 3);
    EXPECT_EQ(ReadPixels(window->canvas->memDC, 0, 0, 1, 1).At(0, 0), RGB(255, 0, 0))
        << "redrawn for nothing";

    const struct {
        RECT to;
    } moves[] = {{{-150, 20, 50, 420}}, {{100, 50, 420, 290}}, {{500, 300, 501, 301}}};
    for (const auto& move : moves) {
        const RECT& r = move.to;
        const int w = r.right - r.left, h = r.bottom - r.top;
        SCOPED_TRACE(testing::Message() << w << "x" << h << " at " << r.left << "," << r.top);
        window->SetScreen(0, r);
        const RECT placed = Placed();
        EXPECT_TRUE(::EqualRect(&placed, &r));
        ASSERT_EQ(window->canvas->width, w);
        ASSERT_EQ(window->canvas->height, h);
        const RECT square = CentreSquare(w, h);
        const Pixels drawn = ReadPixels(window->canvas->memDC, 0, 0, w, h);
        EXPECT_EQ(CountColor(drawn, {0, 0, w, h}, RGB(0, 0, 0)),
                  w * h - (square.right - square.left) * (square.bottom - square.top));
        // And it stays there whatever size the window system reports.
        window->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(5, 5));
        const RECT still = Placed();
        EXPECT_TRUE(::EqualRect(&still, &r));
    }
}

int syscommandsToTheSystem = 0; // WM_SYSCOMMANDs that reached the default processing

LRESULT CALLBACK CountSysCommands(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND)
        ++syscommandsToTheSystem;
    return code == HCBT_SYSCOMMAND ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam); // and stop it there
}

TEST_F(PatternWindowTest, TheScreenSaverAndDisplayPowerSavingAreRefused) {
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &CountSysCommands, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const struct {
        WPARAM command;
        int reachesTheSystem;
    } commands[] = {{SC_SCREENSAVE, 0}, {SC_MONITORPOWER, 0}, {SC_MONITORPOWER | 3, 0}, {SC_RESTORE, 1}};
    for (const auto& c : commands) {
        syscommandsToTheSystem = 0;
        window->Send(WM_SYSCOMMAND, c.command, 2);
        EXPECT_EQ(syscommandsToTheSystem, c.reachesTheSystem) << "command " << std::hex << c.command;
    }
    ::UnhookWindowsHookEx(hook);
}

TEST_F(PatternWindowTest, AWindowThatWasNeverCreatedOnlyRecordsItsMode) {
    CPatternWindow never(&owner, ::GetModuleHandleA(nullptr), 1, screen);
    never.SetMode(patternGrayRingChart);
    EXPECT_EQ(never.mode, patternGrayRingChart);
    EXPECT_EQ(never.canvas, nullptr);
    EXPECT_EQ(never.handle, nullptr);
}

} // namespace
