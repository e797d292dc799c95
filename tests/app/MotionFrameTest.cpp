// The motion tests in the program: each screen's clock runs while one shows, and nothing runs after.
#include "FrameFixture.h"
#include "Waits.h"
#include <functional>

namespace {

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
        PumpMessages();
    }
}

TEST_F(FrameTest, AMotionTestRunsEachScreensClockAndAStillPatternOrAPatchStopsIt) {
    EXPECT_EQ(CWaits::Thread().Count(), 0u) << "a still pattern runs no timer";
    const RemotePatch patch = {RGB(0, 0, 200), RGB(255, 128, 0), 0.25, 0.5, 0.5, 0.25};
    const struct {
        const char* what;
        std::function<void()> stop;
    } stops[] = {{"key 1", [&] { Type('1'); }}, {"a patch", [&] { frame->OnRemotePatch(patch); }}};
    for (const auto& s : stops) {
        SCOPED_TRACE(s.what);
        Type('m');
        ExpectEveryScreenShows(patternMovingBlocks);
        PumpFor(600);
        for (auto& window : frame->windows)
            // The bench's modes count as 60 Hz: about 36 frames, most of them shown.
            EXPECT_GT(window->FramesShown(), 20) << "screen " << window->screenIndex;
        EXPECT_GE(CWaits::Thread().Count(), frame->windows.size()) << "a clock for each screen";
        s.stop();
        PumpFor(100);
        EXPECT_EQ(CWaits::Thread().Count(), 0u) << "the clocks stopped";
        for (auto& window : frame->windows)
            EXPECT_EQ(window->FramesShown(), 0);
    }
}

} // namespace
