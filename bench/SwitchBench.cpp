// Times a whole pattern switch as the operator feels it: from the key's WM_CHAR to the last pattern
// window painted, on every screen of the display it runs on, and how much of it is painting (copying
// the canvases to the screens) and how much drawing the patterns into the canvases; the rest is the
// window system's (the focus moving from screen to screen, invalidating, dispatching).
#include "Clock.h"
#include "Frame.h"
#include "PatternWindow.h"
#include <cstdio>
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
    std::printf("\n%-22s %10s %12s %12s %12s\n", "switch to", "total ms", "drawing ms", "painting ms",
                "other ms");

    HHOOK before = ::SetWindowsHookExA(WH_CALLWNDPROC, &BeforeMessage, nullptr, ::GetCurrentThreadId());
    HHOOK after = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, ::GetCurrentThreadId());
    const struct {
        char key;
        const char* name;
    } keys[] = {{'1', "level ramp chart (9)"},
                {'2', "gray ring chart (8)"},
                {'3', "gray step bands (7)"},
                {'4', "centre square (11)"},
                {'d', "depth chart (D)"}};
    for (const auto& key : keys) {
        std::vector<double> totals, paints, draws;
        for (int run = 0; run < 9; ++run) {
            frame.windows.back()->Send(WM_CHAR, key.key == '1' ? '2' : '1', 1); // from another pattern
            Pump();
            painting = 0;
            const double start = Milliseconds();
            frame.windows.back()->Send(WM_CHAR, key.key, 1);
            ::GdiFlush();
            totals.push_back(Milliseconds() - start);
            paints.push_back(painting);
            Pump();
            // The same drawing again, alone: every screen's canvas, as the switch drew them.
            const double drawStart = Milliseconds();
            for (const auto& window : frame.windows)
                window->DrawPattern();
            ::GdiFlush();
            draws.push_back(Milliseconds() - drawStart);
        }
        const double total = Median(totals), draw = Median(draws), paint = Median(paints);
        std::printf("%-22s %10.2f %12.2f %12.2f %12.2f\n", key.name, total, draw, paint,
                    total - draw - paint);
    }
    ::UnhookWindowsHookEx(before);
    ::UnhookWindowsHookEx(after);
    return 0;
}
