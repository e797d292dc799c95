// A screen's frames, paced by its vertical blanks or a timer, told on the window thread.
#include "ScreenClock.h"
#include "Released.h"
#include "Waits.h"
#include <dxgi.h>
#include <memory>

namespace {

template <class Function> Function Find(const char* module, const char* name) {
    HMODULE handle = ::GetModuleHandleA(module);
    if (handle == nullptr)
        handle = ::LoadLibraryA(module); // kept for the run
    return handle != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(handle, name)))
               : nullptr;
}

// A waitable timer of 1 ms resolution where the system makes one (Windows 10 1803 and later).
HANDLE HighResolutionTimer() {
    using Create = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD);
    const Create create = Find<Create>("kernel32.dll", "CreateWaitableTimerExW");
    const DWORD highResolution = 0x2; // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    return create != nullptr ? create(nullptr, nullptr, highResolution, TIMER_ALL_ACCESS) : nullptr;
}

using TimePeriod = UINT(WINAPI*)(UINT);

} // namespace

double CScreenClock::Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

CScreenClock::BlankWaiter CScreenClock::DxgiWaiter(HMONITOR monitor) {
    using Create = HRESULT(WINAPI*)(REFIID, void**);
    const Create create = Find<Create>("dxgi.dll", "CreateDXGIFactory1");
    Released<IDXGIFactory1> factory;
    if (create == nullptr || FAILED(create(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&factory.p))))
        return BlankWaiter();
    IDXGIAdapter1* adapter = nullptr;
    for (UINT a = 0; factory.p->EnumAdapters1(a, &adapter) == S_OK; ++a) {
        IDXGIOutput* output = nullptr;
        for (UINT o = 0; adapter->EnumOutputs(o, &output) == S_OK; ++o) {
            DXGI_OUTPUT_DESC desc = {};
            if (SUCCEEDED(output->GetDesc(&desc)) && desc.Monitor == monitor) {
                adapter->Release();
                const std::shared_ptr<IDXGIOutput> held(output, [](IDXGIOutput* p) { p->Release(); });
                return [held] { return SUCCEEDED(held->WaitForVBlank()); };
            }
            output->Release();
        }
        adapter->Release();
    }
    return BlankWaiter();
}

CScreenClock::CScreenClock(HMONITOR monitor, const RefreshRate& rate, Tick tick, WaiterMaker makeWaiter)
    : clock(CFrameClock::Source::timer, rate, Now()), tick(std::move(tick)), waiter(makeWaiter(monitor)),
      timer(HighResolutionTimer()), periodRaised(false), blankEvent(nullptr), thread(nullptr), stop(false),
      blanksPace(0) {
    if (timer == nullptr) {
        timer = ::CreateWaitableTimerA(nullptr, FALSE, nullptr);
        const TimePeriod begin = Find<TimePeriod>("winmm.dll", "timeBeginPeriod");
        periodRaised = begin != nullptr && begin(1) == TIMERR_NOERROR;
    }
    CWaits::Thread().Add(timer, [this] { OnTimer(); });
    Arm();
    if (waiter) {
        blankEvent = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
        CWaits::Thread().Add(blankEvent, [this] { OnBlank(); });
        thread = ::CreateThread(nullptr, 0, &CScreenClock::Blanks, this, 0, nullptr);
    }
}

CScreenClock::~CScreenClock() {
    stop = true;
    if (thread != nullptr) {
        // A wait for a blank ends within a frame.
        ::WaitForSingleObject(thread, 1000);
        ::CloseHandle(thread);
    }
    if (blankEvent != nullptr) {
        CWaits::Thread().Remove(blankEvent);
        ::CloseHandle(blankEvent);
    }
    CWaits::Thread().Remove(timer);
    ::CancelWaitableTimer(timer);
    ::CloseHandle(timer);
    const TimePeriod end = Find<TimePeriod>("winmm.dll", "timeEndPeriod");
    if (periodRaised && end != nullptr)
        end(1);
}

// The thread of the vertical blanks: whether they can pace the frames, then the moment of each.
DWORD WINAPI CScreenClock::Blanks(void* self) {
    CScreenClock& c = *static_cast<CScreenClock*>(self);
    const bool pace = ChooseSource(c.waiter, &CScreenClock::Now) == CFrameClock::Source::vblank;
    c.blanksPace = pace ? 1 : 2;
    ::SetEvent(c.blankEvent);
    while (pace && !c.stop && c.waiter()) {
        const double moment = Now();
        {
            std::lock_guard<std::mutex> guard(c.lock);
            c.blanks.push_back(moment);
        }
        ::SetEvent(c.blankEvent);
    }
    return 0;
}

void CScreenClock::OnBlank() {
    if (blanksPace == 2) { // the timer it is
        CWaits::Thread().Remove(blankEvent);
        return;
    }
    if (clock.FollowedSource() == CFrameClock::Source::timer) {
        ::CancelWaitableTimer(timer);
        CWaits::Thread().Remove(timer);
        clock.Follow(CFrameClock::Source::vblank);
    }
    std::vector<double> told;
    {
        std::lock_guard<std::mutex> guard(lock);
        told.swap(blanks);
    }
    for (double moment : told)
        Advance(moment);
}

void CScreenClock::OnTimer() {
    Advance(Now());
    Arm();
}

void CScreenClock::Advance(double moment) {
    const long long n = clock.FrameAt(moment);
    if (n <= clock.Last())
        return;
    clock.Shown(n, moment);
    tick(n);
}

void CScreenClock::Arm() {
    // Relative, in 100 ns units: the next frame's place, not a period from now.
    LARGE_INTEGER due;
    const double wait = clock.NextDue() - Now();
    due.QuadPart = -static_cast<LONGLONG>(wait > 0.01 ? wait * 10000 : 100);
    ::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
}
