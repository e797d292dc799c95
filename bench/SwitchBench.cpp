// Times a whole pattern switch as the operator feels it: from the key's WM_CHAR until every screen shows
// the new pattern (for a swap chain: until an event issued after its last present has signalled, for
// Wine presents on a thread of its own), on every screen of the display it runs on; how much of it is
// painting the canvases to the screens and how much drawing the patterns; the first switch to the depth
// chart step by step (device, window, swap chain, first present); the help over the level ramp chart
// and over the depth chart, against one present; and the moving blocks' frames missed over ten seconds.
#include "Clock.h"
#include "Frame.h"
#include "PatternWindow.h"
#include "Waits.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

double paintStarted = 0, painting = 0; // the time spent in WM_PAINT since the last reset

LRESULT CALLBACK BeforeMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_PAINT)
        paintStarted = Milliseconds();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == WM_PAINT)
        painting += Milliseconds() - paintStarted;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The key typed on the last screen, until every screen shows what it asked for (ms).
double Type(CFrame& frame, WPARAM key) {
    const double start = Milliseconds();
    frame.windows.back()->Send(WM_CHAR, key, 1);
    for (const auto& window : frame.windows)
        window->Finish();
    return Milliseconds() - start;
}

double PressF1(CFrame& frame) {
    const double start = Milliseconds();
    frame.windows.back()->Send(WM_KEYDOWN, VK_F1, 1);
    for (const auto& window : frame.windows)
        window->Finish();
    return Milliseconds() - start;
}

BOOL CALLBACK AddDeepWindow(HWND window, LPARAM list) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "tessaryn deep output wndclass" && ::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// One present of every shown swap chain's picture, as a repaint asks for it (ms).
double PresentAgain(CFrame& frame) {
    std::vector<HWND> deep;
    ::EnumThreadWindows(::GetCurrentThreadId(), &AddDeepWindow, reinterpret_cast<LPARAM>(&deep));
    const double start = Milliseconds();
    for (HWND window : deep)
        ::SendMessageA(window, WM_PAINT, 0, 0);
    for (const auto& window : frame.windows)
        window->Finish();
    return Milliseconds() - start;
}

} // namespace

int main() {
    CFrame frame(::GetModuleHandleA(nullptr));
    frame.RegsiterClass();
    frame.Create();
    Pump();
    std::printf("screens:");
    for (const auto& window : frame.windows)
        std::printf(" %ldx%ld", window->screenRect.right - window->screenRect.left,
                    window->screenRect.bottom - window->screenRect.top);

    // The first switch to the depth chart makes a device, a window and a swap chain for each screen.
    Type(frame, '2');
    Pump();
    const double first = Type(frame, 'd');
    Pump();
    std::printf("\nfirst switch to the depth chart: %.1f ms (%d devices, %d swap chains made)\n", first,
                frame.DeepDevices()->devicesMade, frame.DeepDevices()->swapChainsMade);
    for (const auto& window : frame.windows) {
        const CDeepOutput::Making m = window->DeepMaking();
        std::printf("  %ldx%ld: device %.1f ms, window %.1f ms, swap chain %.1f ms, first present %.1f ms\n",
                    window->screenRect.right - window->screenRect.left,
                    window->screenRect.bottom - window->screenRect.top, m.device, m.window, m.swapChain,
                    m.firstPresent);
    }

    std::printf("\n%-26s %10s %12s %12s %12s\n", "switch", "total ms", "drawing ms", "painting ms",
                "other ms");
    HHOOK before = ::SetWindowsHookExA(WH_CALLWNDPROC, &BeforeMessage, nullptr, ::GetCurrentThreadId());
    HHOOK after = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, ::GetCurrentThreadId());
    const struct {
        char from, key;
        const char* name;
    } switches[] = {{'2', '1', "to level ramp chart (1)"}, {'1', '2', "to gray ring chart (2)"},
                    {'1', '3', "to gray step bands (3)"},  {'1', '4', "to centre square (4)"},
                    {'1', 'd', "to depth chart (D)"},      {'d', '1', "depth chart to 1"}};
    std::vector<double> medians;
    for (const auto& s : switches) {
        std::vector<double> totals, paints, draws;
        for (int run = 0; run < 9; ++run) {
            Type(frame, s.from);
            Pump();
            painting = 0;
            totals.push_back(Type(frame, s.key));
            paints.push_back(painting);
            Pump();
            // The same drawing again, alone: every screen's picture, as the switch drew them.
            const double drawStart = Milliseconds();
            for (const auto& window : frame.windows)
                window->DrawPattern();
            ::GdiFlush();
            draws.push_back(Milliseconds() - drawStart);
        }
        const double total = Median(totals), draw = Median(draws), paint = Median(paints);
        medians.push_back(total);
        std::printf("%-26s %10.2f %12.2f %12.2f %12.2f\n", s.name, total, draw, paint, total - draw - paint);
    }
    ::UnhookWindowsHookEx(before);
    ::UnhookWindowsHookEx(after);
    std::printf("to D: %.1f times the switch to 1; D to 1: %.1f times (at most 3 wanted)\n",
                medians[4] / medians[0], medians[5] / medians[0]);

    // The help over each chart (on, then off again), and one present of the depth chart alone.
    const struct {
        char chart;
        const char* name;
    } charts[] = {{'1', "help over level ramp chart"}, {'d', "help over depth chart"}};
    std::vector<double> helps;
    for (const auto& c : charts) {
        Type(frame, c.chart);
        Pump();
        std::vector<double> times;
        for (int run = 0; run < 9; ++run) {
            times.push_back(PressF1(frame));
            Pump();
            PressF1(frame);
            Pump();
        }
        helps.push_back(Median(times));
        std::printf("%-26s %10.2f\n", c.name, helps.back());
    }
    std::vector<double> presents;
    for (int run = 0; run < 9; ++run)
        presents.push_back(PresentAgain(frame));
    std::printf("%-26s %10.2f\n", "one present of the chart", Median(presents));
    std::printf("help over D: %.1f ms more than over 1, against one present of %.1f ms\n",
                helps[1] - helps[0], Median(presents));

    // The moving blocks for ten seconds, the program's loop running as it does: each screen's frames
    // shown and missed, as the program counts them.
    Type(frame, 'm');
    const double start = Milliseconds();
    while (Milliseconds() - start < 10000) {
        CWaits::Thread().Wait();
        Pump();
    }
    std::printf("\nmoving blocks for ten seconds:\n");
    for (const auto& window : frame.windows)
        std::printf("  %ldx%ld at %.2f Hz: %lld frames shown, %lld missed\n",
                    window->screenRect.right - window->screenRect.left,
                    window->screenRect.bottom - window->screenRect.top, window->screen.details.rate.Hz(),
                    window->FramesShown(), window->FramesMissed());
    return 0;
}
