#include "Frame.h"
#include "DiscoverScreens.h"
#include "PatternTable.h"
#include "PatternWindow.h"
#include "QuitNotifier.h"
#include "RemoteConnection.h"
#include "WindowingException.h"
#include <string>
#include <vector>

const char* const CFrame::className = "mrvk for p7sx wndclass";

namespace {

std::vector<RECT> SystemScreens() {
    return DiscoverScreens();
}

} // namespace

CFrame::CFrame(HINSTANCE instance)
    : CWindow(instance), patternIndex(0), runSeconds(10), screenSource(&SystemScreens),
      keepAwakeLookup(&CKeepAwake::LookUpInKernel32), settling(false), remakeSurfaces(false), running(false),
      runEntry(0), pointerHidden(false), lastPointer{0, 0} {
    content.mode = patternLevelRampChart;
    quitNotifier.Connect(this);
}

CFrame::~CFrame() {
    if (pointerHidden) // whatever window is under the pointer next shows its own
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    // Screen order, first to last; the list holds the only references.
    for (auto& window : windows)
        window.reset();
    windows.clear();
}

bool CFrame::RegsiterClass() {
    classInfo.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_ACTIVEBORDER + 1));
    classInfo.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(101));
    classInfo.hIconSm = ::LoadIconA(instance, MAKEINTRESOURCEA(101));
    classInfo.lpszClassName = className;
    if (!Register())
        throw CWindowingException("RegisterClass is failed. - CFrame::RegsiterClass");
    // Without its class no pattern window can be made: report it like the frame's own.
    if (!CPatternWindow::RegisterClass(instance))
        throw CWindowingException("RegisterClass is failed. - CPatternWindow::RegisterClass");
    return true;
}

bool CFrame::Create() {
    if (!CWindow::Create(WS_POPUP, 0, nullptr, nullptr, nullptr))
        throw CWindowingException("CreateWindow is failed. - CFrame::Create");
    keepAwake.reset(new CKeepAwake(keepAwakeLookup));
    CreateScreenWindows();
    ::SetTimer(handle, layoutCheckTimer, layoutCheckPeriod, nullptr);
    ::GetCursorPos(&lastPointer);
    ::SetTimer(handle, pointerTimer, pointerDelay, nullptr);
    return true;
}

LRESULT CFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        Quit();
        return 0;
    case WM_CHAR:
        OnChar(wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        OnRButtonDown();
        return 0;
    case WM_DISPLAYCHANGE:
        OnDisplayChange();
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    default:
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    }
}

LRESULT CFrame::OnCreate() {
    std::vector<char> buffer(256);
    ::LoadStringA(nullptr, 1, buffer.data(), 256);
    SetText(std::string(buffer.data()));
    return 0;
}

void CFrame::OnChar(WPARAM wParam, LPARAM) {
    const signed char ch = static_cast<signed char>(wParam & 0xFF);
    if (ch == 27 || ch == 32) {
        Quit();
        return;
    }
    if (ch == 'h' || ch == 'H' || ch == '?') {
        ToggleOverlay();
        return;
    }
    HideOverlay();
    if (ch == 'a' || ch == 'A') {
        if (running)
            StopTimedRun();
        else
            StartTimedRun(runSeconds, 0);
    } else if (const PatternEntry* pattern = PatternForKey(ch, content.mode)) {
        StopTimedRun();
        if (pattern->inCycle) {
            SelectPattern(CyclePosition(pattern->mode) + 1);
            ApplyPatternIndex();
        } else {
            ApplyPattern(pattern->mode); // a field: the cycle stays where it was
        }
    }
}

void CFrame::OnLButtonDown() {
    HideOverlay();
    StopTimedRun();
    NextPattern();
    ApplyPatternIndex();
}

void CFrame::OnRButtonDown() {
    Quit();
}

// The arrows and Home step the parameters of a pattern that has them (the centre square's level and
// size); screen 0 says what is shown now. Elsewhere they do nothing.
void CFrame::OnKeyDown(WPARAM virtualKey, LPARAM) {
    if (virtualKey == VK_F1) {
        ToggleOverlay();
        return;
    }
    // Keys with a character come again as WM_CHAR, and Shift or Ctrl alone do nothing.
    if (virtualKey != VK_UP && virtualKey != VK_DOWN && virtualKey != VK_LEFT && virtualKey != VK_RIGHT &&
        virtualKey != VK_HOME)
        return;
    HideOverlay();
    const PatternEntry* shown = FindPattern(content.mode);
    if (shown == nullptr || shown->steps == nullptr)
        return;
    const bool fine = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    ScreenContent next = content;
    if (!StepParams(*shown->steps, virtualKey, fine, next.params))
        return;
    next.label = shown->steps->label(next.params);
    ApplyLabelled(next, false);
}

void CFrame::ToggleOverlay() {
    ScreenContent next = content;
    next.overlay = !next.overlay;
    ApplyContent(next, false);
}

void CFrame::HideOverlay() {
    if (content.overlay)
        ToggleOverlay();
}

ScreenContent CFrame::PatternContent(PatternMode mode) const {
    ScreenContent next = content;
    next.mode = mode;
    next.params = StandardParams(mode);
    next.label = status;
    return next;
}

void CFrame::StartWith(PatternMode mode) {
    content = PatternContent(mode);
    const int position = CyclePosition(mode);
    if (position >= 0)
        patternIndex = position;
}

void CFrame::OnTimer(UINT_PTR id) {
    switch (id) {
    case labelTimer: {
        ::KillTimer(handle, labelTimer);
        ScreenContent next = content;
        next.label = status;
        ApplyContent(next, false);
        break;
    }
    case layoutCheckTimer:
        OnLayoutCheck();
        break;
    case settleTimer:
        OnSettled();
        break;
    case runTimer:
        OnRunTimer();
        break;
    case pointerTimer:
        HidePointer();
        break;
    }
}

void CFrame::ApplyLabelled(const ScreenContent& next, bool redraw) {
    ApplyContent(next, redraw);
    // Setting the timer again restarts it: the label stays two seconds after the last step.
    ::SetTimer(handle, labelTimer, labelPeriod, nullptr);
}

void CFrame::ApplyContent(const ScreenContent& next, bool redraw) {
    content = next;
    for (auto& window : windows)
        window->SetContent(content, redraw);
    FocusFirstScreen();
}

void CFrame::Quit() {
    quitNotifier.Notify(&CQuitListener::OnPreQuit, 0);
    quitNotifier.Notify(&CQuitListener::OnQuit, 0);
}

void CFrame::NextPattern() {
    ++patternIndex;
    if (patternIndex > CycleLength() - 1)
        patternIndex = 0;
}

void CFrame::SelectPattern(int n) {
    patternIndex = n - 1;
}

void CFrame::ApplyPatternIndex() {
    ApplyPattern(CycleMode(patternIndex));
}

void CFrame::ApplyPattern(PatternMode mode) {
    // Any pattern change makes the parameters standard again, and the label goes with them; the
    // pattern is drawn again even where it is shown already.
    ::KillTimer(handle, labelTimer);
    ApplyContent(PatternContent(mode), true);
}

void CFrame::FocusFirstScreen() {
    for (auto& window : windows)
        if (window->screenIndex == 0)
            ::SetFocus(window->handle);
}

void CFrame::OnPreQuit(CQuitNotifier*, int) {}

void CFrame::OnQuit(CQuitNotifier*, int code) {
    ::PostQuitMessage(code);
}
