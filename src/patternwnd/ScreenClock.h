#pragma once
#include "FrameClock.h"
#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

// The frame clock of one screen while a moving pattern shows on it: the frames follow the screen's
// vertical blanks where the system gives them (a thread of its own only waits for them and tells the
// window thread the moment of each), else a waitable timer at the screen's rate (high-resolution where
// the system has one, else with the system's timer at 1 ms while it runs). Frame 0 shows when it is
// made; `tick` is told each later frame's index, on the window thread, through the loop's waits.
class CScreenClock {
  public:
    using Tick = std::function<void(long long n)>;
    // Waits for the monitor's next vertical blank; false where it cannot.
    using BlankWaiter = std::function<bool()>;
    // The waiter of a monitor's blanks; none where the system gives no way to wait for them.
    using WaiterMaker = BlankWaiter (*)(HMONITOR monitor);
    static BlankWaiter DxgiWaiter(HMONITOR monitor);

    CScreenClock(HMONITOR monitor, const RefreshRate& rate, Tick tick, WaiterMaker makeWaiter = &DxgiWaiter);
    ~CScreenClock();
    CScreenClock(const CScreenClock&) = delete;
    CScreenClock& operator=(const CScreenClock&) = delete;

    const CFrameClock& Clock() const { return clock; }
    // The clock's time: the performance counter in ms.
    static double Now();

  private:
    static DWORD WINAPI Blanks(void* self);
    void OnTimer();
    void OnBlank();
    void Advance(double moment);
    void Arm();

    CFrameClock clock;
    Tick tick;
    BlankWaiter waiter;
    HANDLE timer;
    bool periodRaised; // timeBeginPeriod(1) in force for this clock
    HANDLE blankEvent;
    HANDLE thread;
    std::atomic<bool> stop;
    std::atomic<int> blanksPace; // 0 not known yet, 1 they pace the frames, 2 they cannot
    std::mutex lock;
    std::vector<double> blanks; // told by the thread, not yet taken
};
