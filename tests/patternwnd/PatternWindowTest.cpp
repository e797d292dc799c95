#include "CentreSquareRect.h"
#include "GdiObject.h"
#include "HelpOverlay.h"
#include "HelpText.h"
#include "PatternWindow.h"
#include "ScreenText.h"
#include "TestPanel.h"
#include "Texts.h"
#include <dxgiformat.h>
#include "Pixels.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Writes down the input a pattern window hands on.
struct RecordedInput : CPatternInput {
    void OnChar(WPARAM wParam, LPARAM lParam) override { chars.push_back({wParam, lParam}); }
    void OnLButtonDown() override { ++left; }
    void OnRButtonDown() override { ++right; }
    void OnKeyDown(WPARAM key, LPARAM lParam) override { keys.push_back({key, lParam}); }
    void OnMouseMove() override { ++moves; }
    bool PointerHidden() const override { return hidden; }

    std::vector<std::pair<WPARAM, LPARAM>> chars, keys;
    int left = 0, right = 0, moves = 0;
    bool hidden = false;
};

// One pattern window on a 320 x 240 "screen" at (100, 50); its input goes to a recorder.
class PatternWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        CPatternWindow::RegisterClass(::GetModuleHandleA(nullptr));
        MakeWindow(nullptr);
    }
    // The window anew, making its 10-bit outputs with these devices (null: none).
    void MakeWindow(CDeepDevices* devices) {
        window.reset();
        window.reset(new CPatternWindow(&owner, ::GetModuleHandleA(nullptr), 0, screen, devices));
        ASSERT_TRUE(window->Create());
        window->Show(SW_SHOWNORMAL);
        window->Update();
        PumpMessages();
    }
    void TearDown() override {
        window.reset();
        ::UnregisterClassA(CPatternWindow::className, ::GetModuleHandleA(nullptr));
        DropQuitMessages();
    }

    RECT Placed() {
        RECT r;
        ::GetWindowRect(window->handle, &r);
        return r;
    }

    const RECT screen = {100, 50, 420, 290};
    RecordedInput owner;
    std::unique_ptr<CPatternWindow> window;
};

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

FARPROC NoDirect3D(const char*) {
    return nullptr;
}

// Deep content at 10 bits through a swap chain where one can be made; where Direct3D 11 is missing or
// refuses the format, the canvas shows it as 8 bits carry it and the first screen's note says so.
TEST_F(PatternWindowTest, DeepContentShowsAtTenBitsOrAsEightBitsCarryIt) {
    ScreenContent chart;
    chart.mode = patternDepthChart;
    chart.label = L"note";
    chart.outputNote = true;
    ScreenContent patch;
    patch.mode = patternRemote;
    // Codes whose 8-bit levels, round(255c / 1023) with halves up, differ from c >> 2: the patch 3, 688 and
    // 1020 show as 1, 171 and 254; the background 7, 684 and 944 as 2, 170 and 235.
    patch.params.remote = {
        RGB(0, 0, 0), RGB(0, 0, 0), 0.5, 0, 0.5, 1, DeepPixel(7, 684, 944), DeepPixel(3, 688, 1020), true};
    const struct {
        const char* what;
        CDeepDevices::ProcLookup lookup;
        DWORD format;
    } refusals[] = {
        {"no Direct3D 11", &NoDirect3D, DXGI_FORMAT_R10G10B10A2_UNORM},
        {"a format no swap chain takes", &CDeepDevices::LookUpInD3D11, DXGI_FORMAT_R32G32B32_FLOAT}};
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        CDeepDevices devices(refusal.lookup, refusal.format);
        MakeWindow(&devices);
        ScreenDescription tenBits = window->screen;
        tenBits.tenBitPatches = true;
        window->Describe(tenBits);
        window->SetContent(chart, true);
        EXPECT_FALSE(window->ShowsTenBits());
        const Pixels canvas = ReadPixels(window->canvas->memDC, 0, 0, 320, 240);
        // Band 0 at column 160: code 128; band 1 the same as 8 bits carry it; both show level 32.
        EXPECT_EQ(canvas.At(160, 0), Gray(32));
        EXPECT_EQ(canvas.At(160, 30), Gray(32));
        EXPECT_EQ(canvas.At(319, 239), Gray((255 * (768 + 255) + 511) / 1023));
        EXPECT_NE(window->ShownLabel().find(L"No 10-bit output"), std::wstring::npos);
        window->SetContent(patch, true);
        EXPECT_FALSE(window->ShowsTenBits());
        const Pixels narrowed = ReadPixels(window->canvas->memDC, 0, 0, 320, 240);
        EXPECT_TRUE(RectIs(narrowed, {160, 0, 320, 240}, RGB(1, 171, 254))) << "the patch as 8 bits carry it";
        EXPECT_TRUE(RectIs(narrowed, {0, 0, 160, 240}, RGB(2, 170, 235)))
            << "the background as 8 bits carry it";
        window.reset();
    }
    CDeepDevices devices;
    MakeWindow(&devices);
    ScreenDescription tenBits = window->screen;
    tenBits.tenBitPatches = true;
    window->Describe(tenBits);
    window->SetContent(chart, true);
    EXPECT_TRUE(window->ShowsTenBits()) << "Direct3D 11 runs on the bench";
    EXPECT_EQ(window->ShownLabel().find(L"No 10-bit output"), std::wstring::npos);
    window->SetContent(patch, true);
    EXPECT_TRUE(window->ShowsTenBits());
    tenBits.tenBitPatches = false; // at 8 bits, as every patch showed before
    window->Describe(tenBits);
    window->SetContent(patch, true);
    EXPECT_FALSE(window->ShowsTenBits());
    window->SetContent(ScreenContent(), true);
    EXPECT_FALSE(window->ShowsTenBits());
    EXPECT_EQ(devices.devicesMade, 1);
    EXPECT_EQ(devices.swapChainsMade, 1) << "the swap chain is kept between 10-bit contents";
    window.reset(); // before the devices
}

TEST_F(PatternWindowTest, AWindowThatWasNeverCreatedOnlyRecordsItsMode) {
    CPatternWindow never(&owner, ::GetModuleHandleA(nullptr), 1, screen);
    never.SetMode(patternGrayRingChart);
    EXPECT_EQ(never.mode, patternGrayRingChart);
    EXPECT_EQ(never.canvas, nullptr);
    EXPECT_EQ(never.handle, nullptr);
}

} // namespace

namespace {

// The operator's side in Japanese: a face on this system has a glyph for every character of every text,
// and the help fits a 1024 x 768 screen in a font no smaller than the English one's.
TEST(JapaneseText, EveryTextHasItsGlyphsAndTheHelpFitsAsTheEnglishDoes) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    SetTextLanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    int texts = 0;
    for (UINT id = 1000; id < 1500; ++id) {
        const std::wstring text = LoadText(id);
        if (text[0] == L'#')
            continue;
        ++texts;
        const CScreenText painter(dc, 16, text);
        EXPECT_TRUE(CScreenText::HasGlyphs(dc, text)) << id << " in the face \"" << painter.Face() << "\"";
    }
    EXPECT_GT(texts, 80);

    const EdidFacts wide = TestPanel(2560, 1440, "ABC1234567890", "DELL U2720QXYZ"); // 13 bytes each
    ScreenDescription first = {1, 3, {32, 60, true, 10, wide}, false};
    auto help = [&](const RECT& rect, bool keys) {
        return HelpFontHeight(dc, rect.right - rect.left, rect.bottom - rect.top,
                              HelpLines(first, rect, keys));
    };
    for (const RECT& rect : {RECT{0, 0, 1024, 768}, RECT{0, 0, 768, 1024}, RECT{0, 0, 1280, 1024}})
        for (bool keys : {true, false}) {
            SetTextLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
            const int english = help(rect, keys);
            SetTextLanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
            EXPECT_GE(help(rect, keys), english)
                << rect.right << "x" << rect.bottom << (keys ? " with keys" : "");
        }
    SetTextLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ::DeleteDC(dc);
}

} // namespace
