#include "App.h"
#include "Frame.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "RunApplication.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

struct Box {
    int shown = 0;
    std::string text, caption;
    UINT style = 0;
} box;

int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    EXPECT_EQ(owner, nullptr);
    ++box.shown;
    box.text = text;
    box.caption = caption;
    box.style = style;
    return IDOK;
}

CAppBase* MakeTessaryn(HINSTANCE instance) {
    return new CApp(instance);
}

int RunTessaryn() {
    return RunApplication(::GetModuleHandleA(nullptr), "", SW_SHOWNORMAL, &MakeTessaryn, &RecordBox);
}

class RunApplicationTest : public testing::Test {
  protected:
    void SetUp() override { box = Box(); }
    void TearDown() override {
        UnregisterProgramClasses();
        DropQuitMessages();
    }

    void ExpectReported(const std::string& text) {
        EXPECT_EQ(box.shown, 1);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "Tessaryn - Top level exception handler");
        EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONERROR));
        EXPECT_TRUE(ThreadWindows(CFrame::className).empty()) << "the frame's window stayed";
        EXPECT_TRUE(ThreadWindows(CPatternWindow::className).empty()) << "a pattern window stayed";
    }
};

struct ScriptedApp : CAppBase {
    ScriptedApp(bool init, bool exit) : CAppBase(nullptr), init(init), exit(exit) {}
    bool Init(int, const char*) override { return init; }
    bool Exit() override {
        exitCalled = true;
        return exit;
    }
    int MessageLoop() override {
        loopRan = true;
        return 5;
    }
    bool init, exit, exitCalled = false, loopRan = false;
};

TEST_F(RunApplicationTest, RunReportsAFailedInitOrExitAsMinusOne) {
    ScriptedApp failsInit(false, true);
    EXPECT_EQ(failsInit.Run(SW_SHOWNORMAL, ""), -1);
    EXPECT_FALSE(failsInit.loopRan);
    EXPECT_FALSE(failsInit.exitCalled);

    ScriptedApp failsExit(true, false);
    EXPECT_EQ(failsExit.Run(SW_SHOWNORMAL, ""), -1);
    EXPECT_TRUE(failsExit.loopRan);

    ScriptedApp fine(true, true);
    EXPECT_EQ(fine.Run(SW_SHOWNORMAL, ""), 5);
}

void CALLBACK PressEscape(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    const std::vector<HWND> frames = ThreadWindows(CFrame::className);
    const std::vector<HWND> screens = ThreadWindows(CPatternWindow::className);
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_EQ(static_cast<int>(screens.size()), ::GetSystemMetrics(SM_CMONITORS));
    for (HWND frame : frames) {
        EXPECT_FALSE(::IsWindowVisible(frame));
        char title[32] = {};
        ::GetWindowTextA(frame, title, sizeof title);
        EXPECT_STREQ(title, "Tessaryn");
    }
    if (!screens.empty())
        ::SendMessageA(screens.front(), WM_CHAR, 27, 1);
}

TEST_F(RunApplicationTest, ANormalRunEndsWithZeroOnEsc) {
    ::SetTimer(nullptr, 0, 50, &PressEscape);
    EXPECT_EQ(RunTessaryn(), 0);
    EXPECT_EQ(box.shown, 0);
    EXPECT_TRUE(ThreadWindows(CPatternWindow::className).empty());
    EXPECT_TRUE(ThreadWindows(CFrame::className).empty());
}

ATOM RegisterStandIn(const char* name) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    info.lpfnWndProc = &::DefWindowProcA;
    info.hInstance = ::GetModuleHandleA(nullptr);
    info.lpszClassName = name;
    return ::RegisterClassExA(&info);
}

TEST_F(RunApplicationTest, AFrameClassAlreadyRegisteredIsReported) {
    ASSERT_NE(RegisterStandIn("mrvk for p7sx wndclass"), 0);
    EXPECT_EQ(RunTessaryn(), 1);
    ExpectReported("RegisterClass is failed. - CFrame::RegsiterClass");
}

TEST_F(RunApplicationTest, APatternClassAlreadyRegisteredIsReportedLikeTheFramesOwn) {
    ASSERT_NE(RegisterStandIn("calibration pattern wndclass"), 0);
    EXPECT_EQ(RunTessaryn(), 1);
    ExpectReported("RegisterClass is failed. - CPatternWindow::RegisterClass");
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND)
        return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(RunApplicationTest, AWindowThatCannotBeCreatedIsReported) {
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &RefuseWindows, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const int result = RunTessaryn();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, 1);
    ExpectReported("CreateWindow is failed. - CFrame::Create");
}

TEST_F(RunApplicationTest, AFailureInAWindowProcedureEndsTheRunThroughTheReport) {
    TestWindow failing("tessaryn test failing window");
    failing.handler = [](TestWindow&, UINT msg, WPARAM, LPARAM, LRESULT&) -> bool {
        if (msg == WM_APP + 7)
            throw std::runtime_error("the window procedure failed");
        return false;
    };
    ASSERT_TRUE(failing.CreateAt(0, 0, 10, 10));
    ASSERT_TRUE(failing.Post(WM_APP + 7, 0, 0));
    EXPECT_EQ(RunTessaryn(), 1);
    ExpectReported("the window procedure failed");
}

} // namespace
