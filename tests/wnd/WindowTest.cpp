#include "TestWindow.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Window, BindsTheObjectFromTheFirstMessageOn) {
    TestWindow window("tessaryn test binding");
    HWND seenOnCreate = nullptr;
    HWND seenOnFirst = nullptr;
    bool first = true;
    window.handler = [&](TestWindow& w, UINT msg, WPARAM, LPARAM, LRESULT&) {
        if (first) {
            seenOnFirst = w.handle;
            first = false;
        }
        if (msg == WM_CREATE)
            seenOnCreate = w.handle;
        return false;
    };
    ASSERT_TRUE(window.CreateAt(0, 0, 50, 40));
    ASSERT_NE(window.handle, nullptr);
    EXPECT_EQ(seenOnFirst, window.handle);
    EXPECT_EQ(seenOnCreate, window.handle);
    EXPECT_EQ(::GetWindowLongPtrA(window.handle, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&window));
    EXPECT_EQ(::GetWindowLongPtrA(window.handle, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&CWindow::StaticWindowProc));
    EXPECT_EQ(CWindow::creating, &window);
}

TEST(Window, DestroyAlwaysClearsTheHandle) {
    TestWindow window("tessaryn test destroy");
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));
    HWND hwnd = window.handle;
    EXPECT_TRUE(window.Destroy());
    EXPECT_EQ(window.handle, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));

    // No window any more: DestroyWindow fails, and the handle is still cleared.
    window.handle = hwnd;
    EXPECT_FALSE(window.Destroy());
    EXPECT_EQ(window.handle, nullptr);
    EXPECT_FALSE(window.Destroy());

    // Destroyed behind the object's back (as a parent's destruction does): the handle goes with it.
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));
    ::DestroyWindow(window.handle);
    EXPECT_EQ(window.handle, nullptr);
}

TEST(Window, WrappersActOnTheWindow) {
    TestWindow window("tessaryn test wrappers");
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));

    RECT target = {100, 50, 300, 250};
    EXPECT_TRUE(window.Move(target, true));
    RECT r = {};
    EXPECT_TRUE(window.GetWindowRect(r));
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 250);
    RECT client = window.GetClientRect();
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 200);

    EXPECT_TRUE(window.SetText(std::string("Tessaryn")));
    char text[64] = {};
    ::GetWindowTextA(window.handle, text, sizeof text);
    EXPECT_STREQ(text, "Tessaryn");
    EXPECT_TRUE(window.SetText(std::string()));
    EXPECT_EQ(::GetWindowTextLengthA(window.handle), 0);

    EXPECT_TRUE(window.IsVisible());
    EXPECT_TRUE(window.Hide()); // was visible
    EXPECT_FALSE(window.IsVisible());
    EXPECT_FALSE(window.Hide()); // was hidden already
}

class ShowRecorder : public TestWindow {
  public:
    ShowRecorder() : TestWindow("tessaryn test show recorder") {}
    bool Show(int showCommand) override {
        commands.push_back(showCommand);
        return TestWindow::Show(showCommand);
    }
    std::vector<int> commands;
};

TEST(Window, HideGoesThroughTheVirtualShow) {
    ShowRecorder window;
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));
    window.commands.clear();
    window.Hide();
    ASSERT_EQ(window.commands.size(), 1u);
    EXPECT_EQ(window.commands[0], SW_HIDE);
}

TEST(Window, DefaultClassDescriptionRegistersAsDescribed) {
    CWindow window(::GetModuleHandleA(nullptr));
    ASSERT_TRUE(window.Register());
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetClassInfoExA(::GetModuleHandleA(nullptr), "defalut window class name", &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(info.lpfnWndProc, &CWindow::InitialWindowProc);
    EXPECT_EQ(info.hIcon, ::LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(info.hCursor, ::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(1));
    EXPECT_EQ(info.lpszMenuName, nullptr);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);

    // A second registration of the same name fails and says so.
    CWindow again(::GetModuleHandleA(nullptr));
    EXPECT_FALSE(again.Register());
}

TEST(Window, DefaultProcedureQuitsOnDestroyAndObjectDestroysItsWindow) {
    HWND hwnd = nullptr;
    {
        CWindow window(::GetModuleHandleA(nullptr));
        window.classInfo.lpszClassName = "tessaryn test default procedure";
        ASSERT_TRUE(window.Register());
        ASSERT_TRUE(window.Create(WS_POPUP, 0, nullptr, nullptr, nullptr));
        hwnd = window.handle;
        EXPECT_TRUE(::IsWindow(hwnd));
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST(Window, CreateReportsAFailedCreation) {
    CWindow window(::GetModuleHandleA(nullptr));
    window.classInfo.lpszClassName = "tessaryn test class never registered";
    EXPECT_FALSE(window.Create(WS_POPUP, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(window.handle, nullptr);
}

} // namespace
