#include "QuitListener.h"
#include "QuitNotifier.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct RecordingListener : CQuitListener {
    RecordingListener(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    void OnPreQuit(CQuitNotifier*, int code) override {
        log.push_back(name + " pre " + std::to_string(code));
    }
    void OnQuit(CQuitNotifier*, int code) override { log.push_back(name + " quit " + std::to_string(code)); }
    std::vector<std::string>& log;
    std::string name;
};

TEST(QuitNotifier, NotifiesInConnectionOrderAndKeepsBothSidesInStep) {
    std::vector<std::string> log;
    CQuitNotifier notifier;
    RecordingListener a(log, "a"), b(log, "b");
    notifier.Connect(&a);
    notifier.Connect(&b);
    ASSERT_EQ(a.notifiers.size(), 1u);
    EXPECT_EQ(a.notifiers.front(), &notifier);

    notifier.Notify(&CQuitListener::OnPreQuit, 0);
    notifier.Notify(&CQuitListener::OnQuit, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"a pre 0", "b pre 0", "a quit 7", "b quit 7"}));

    // Connected twice: Disconnect removes every entry of the notifier's list, one of the listener's.
    notifier.Connect(&a);
    notifier.Disconnect(&a);
    EXPECT_EQ(notifier.listeners.size(), 1u);
    EXPECT_EQ(notifier.listeners.front(), &b);
    EXPECT_EQ(a.notifiers.size(), 1u);
    notifier.Disconnect(&a); // no entry left in the notifier: harmless, the listener's last goes
    EXPECT_TRUE(a.notifiers.empty());
}

TEST(QuitNotifier, AListenerLeavesEveryNotifierWhenDestroyed) {
    std::vector<std::string> log;
    CQuitNotifier first, second;
    RecordingListener stays(log, "stays");
    {
        RecordingListener goes(log, "goes");
        first.Connect(&goes);
        second.Connect(&stays);
        second.Connect(&goes);
        EXPECT_EQ(second.listeners.size(), 2u);
    }
    EXPECT_TRUE(first.listeners.empty());
    ASSERT_EQ(second.listeners.size(), 1u);
    second.Notify(&CQuitListener::OnQuit, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"stays quit 0"}));
}

} // namespace
