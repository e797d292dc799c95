// The pointer hidden over the patterns while it stands still.
#include "PointerHider.h"

CPointerHider::CPointerHider(CTimers& timers, Ours ours)
    : timers(timers), timer(timers.Add([this] { Hide(); })), ours(std::move(ours)),
      hidden(false), last{0, 0} {
    ::GetCursorPos(&last);
    timers.Start(timer, delay);
}

CPointerHider::~CPointerHider() {
    if (hidden) // whatever window is under the pointer next shows its own
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}

void CPointerHider::Moved() {
    POINT now;
    if (!::GetCursorPos(&now) || (now.x == last.x && now.y == last.y))
        return;
    last = now;
    if (hidden) {
        hidden = false;
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    }
    timers.Start(timer, delay);
}

void CPointerHider::Hide() {
    timers.Stop(timer);
    hidden = true;
    // Hidden at once where it rests on a pattern; elsewhere each window hides it as it comes over it.
    POINT now;
    if (::GetCursorPos(&now) && ours(::WindowFromPoint(now)))
        ::SetCursor(nullptr);
}
