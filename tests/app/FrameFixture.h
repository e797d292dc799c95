#pragma once
#include "Frame.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>

// A real frame on the bench's screens: its hidden window and one pattern window per monitor.
class FrameTest : public testing::Test {
  protected:
    void SetUp() override {
        frame.reset(new CFrame(::GetModuleHandleA(nullptr)));
        frame->RegsiterClass();
        ASSERT_TRUE(frame->Create());
        PumpMessages();
        DropQuitMessages();
    }
    void TearDown() override {
        frame.reset();
        DropQuitMessages();
        UnregisterProgramClasses();
    }

    void ExpectEveryScreenShows(PatternMode mode) {
        for (auto& window : frame->windows)
            EXPECT_EQ(window->mode, mode) << "screen " << window->screenIndex;
        EXPECT_EQ(::GetFocus(), frame->windows[0]->handle) << "the focus is not on screen 0";
    }

    void Type(char ch, LPARAM lParam = 1) {
        frame->windows.back()->Send(WM_CHAR, static_cast<BYTE>(ch), lParam);
    }

    void Press(WPARAM key, bool shift = false) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        frame->windows.back()->Send(WM_KEYDOWN, key, 1);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
    }

    std::unique_ptr<CFrame> frame;
};
