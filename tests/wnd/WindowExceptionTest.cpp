#include "TestWindow.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const UINT WM_THROW = WM_APP + 1;

// A window whose procedure throws on WM_THROW, with wParam choosing the message.
struct ThrowingWindow : TestWindow {
    ThrowingWindow() : TestWindow("tessaryn test throwing window") {
        handler = [](TestWindow&, UINT msg, WPARAM wParam, LPARAM, LRESULT&) -> bool {
            if (msg == WM_THROW)
                throw std::runtime_error(wParam == 1 ? "first failure" : "second failure");
            return false;
        };
    }
};

bool QuitIsQueued() {
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST(WindowException, SentMessageKeepsTheExceptionAndPostsAQuit) {
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));
    QuitIsQueued(); // drop any earlier quit

    EXPECT_EQ(window.Send(WM_THROW, 1, 0), 0);
    EXPECT_TRUE(CWindow::HasKeptException());
    EXPECT_EQ(window.Send(WM_THROW, 2, 0), 0); // a later failure does not replace the first
    EXPECT_TRUE(QuitIsQueued());
    EXPECT_FALSE(QuitIsQueued()); // one quit for the kept exception

    try {
        CWindow::RethrowKeptException();
        FAIL() << "the kept exception was not thrown on";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "first failure");
    }
    EXPECT_FALSE(CWindow::HasKeptException());
    EXPECT_NO_THROW(CWindow::RethrowKeptException());
    EXPECT_TRUE(::IsWindow(window.handle)); // the window system carried on
}

TEST(WindowException, DispatchedMessageIsHandedOnByTheLoop) {
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateAt(0, 0, 20, 20));
    QuitIsQueued();

    ASSERT_TRUE(window.Post(WM_THROW, 1, 0));
    std::string caught;
    MSG msg;
    int dispatched = 0;
    while (::GetMessageA(&msg, nullptr, 0, 0)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        ++dispatched;
        try {
            CWindow::RethrowKeptException();
        } catch (const std::exception& e) {
            caught = e.what();
            break;
        }
        ASSERT_LT(dispatched, 1000) << "the thrown message never came back";
    }
    EXPECT_EQ(caught, "first failure");
    EXPECT_TRUE(QuitIsQueued());
}

} // namespace
