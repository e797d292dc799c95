#pragma once
#include "PatternWindow.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

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
