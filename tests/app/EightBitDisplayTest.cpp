#include "Frame.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// These run on a palette display (the bench at depth 8); elsewhere they skip.
class EightBitDisplay : public testing::Test {
  protected:
    void SetUp() override {
        HDC screen = ::GetDC(nullptr);
        const int bits = ::GetDeviceCaps(screen, BITSPIXEL);
        const bool palette = (::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
        ::ReleaseDC(nullptr, screen);
        if (bits != 8 || !palette)
            GTEST_SKIP() << "not a palette display (" << bits << " bits per pixel)";
    }
    void TearDown() override {
        UnregisterProgramClasses();
        DropQuitMessages();
    }
};

int paletteMessages = 0;

LRESULT CALLBACK CountPaletteMessages(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && (call->message == WM_PALETTECHANGED || call->message == WM_QUERYNEWPALETTE))
        ++paletteMessages;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(EightBitDisplay, TheRampChartTakesItsFiftyTwoStepPathAndThePaletteSettles) {
    paletteMessages = 0;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountPaletteMessages, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    std::unique_ptr<CFrame> frame(new CFrame(::GetModuleHandleA(nullptr)));
    frame->RegsiterClass();
    ASSERT_TRUE(frame->Create());

    // Let every palette message play out: a storm would keep the queue busy for good.
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 2000) {
        PumpMessages();
        ::Sleep(20);
    }
    const int settled = paletteMessages;
    PumpMessages();
    ::Sleep(500);
    PumpMessages();
    ::UnhookWindowsHookEx(hook);

    for (auto& window : frame->windows)
        EXPECT_EQ(window->canvas->palette.entries.size(), 217u) << "screen " << window->screenIndex;
    EXPECT_LE(settled, 20 * static_cast<int>(frame->windows.size())) << "palette messages keep coming";
    EXPECT_EQ(paletteMessages, settled) << "palette messages still arrive after two seconds";
    std::printf("palette messages after start-up: %d\n", settled);
}

} // namespace
