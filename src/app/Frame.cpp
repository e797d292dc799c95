#include "Frame.h"
#include "PatternTable.h"
#include "PatternWindow.h"
#include "QuitNotifier.h"
#include "RemoteConnection.h"
#include "WindowingException.h"
#include <string>
#include <vector>

const char* const CFrame::className = "mrvk for p7sx wndclass";

CFrame::CFrame(HINSTANCE instance)
    : CWindow(instance), patternIndex(0), runSeconds(10), patchDepth(CScreenWindows::PatchDepth::automatic),
      screenSource(&DiscoverLayout), keepAwakeLookup(&CKeepAwake::LookUpInKernel32),
      deepLookup(&CDeepDevices::LookUpInD3D11), screens(windows, this, instance), tickTimer(0) {
    quitNotifier.Connect(this);
}

CFrame::~CFrame() {
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
    timers.reset(new CTimers(handle));
    tickTimer = timers->Add([this] { OnTick(); });
    layoutWatch.reset(
        new CLayoutWatch(*timers, screenSource, [this](const ScreenLayout& layout, bool changed) {
            OnLayoutSettled(layout, changed);
        }));
    keepAwake.reset(new CKeepAwake(keepAwakeLookup));
    deepDevices.reset(new CDeepDevices(deepLookup));
    screens.devices = deepDevices.get();
    show.runSeconds = runSeconds;
    CreateScreenWindows();
    pointer.reset(new CPointerHider(*timers, [this](HWND window) {
        for (auto& ours : windows)
            if (ours->handle == window)
                return true;
        return false;
    }));
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
        layoutWatch->OnDisplayChange();
        return 0;
    case WM_TIMER:
        timers->Fire(wParam);
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
    Take(CommandForChar(static_cast<char>(wParam & 0xFF), show.Content().mode));
}

void CFrame::OnLButtonDown() {
    Take(CommandForClick(WM_LBUTTONDOWN));
}

void CFrame::OnRButtonDown() {
    Take(CommandForClick(WM_RBUTTONDOWN));
}

// Keys without a character: F1, and the arrows and Home, which step the parameters of a pattern that
// has them. Keys with a character come again as WM_CHAR, and Shift or Ctrl alone do nothing.
void CFrame::OnKeyDown(WPARAM virtualKey, LPARAM) {
    Take(CommandForKey(virtualKey, (::GetKeyState(VK_SHIFT) & 0x8000) != 0));
}

void CFrame::Take(const KeyCommand& command) {
    if (command.command == Command::next) {
        NextPattern();
        ApplyPatternIndex();
    } else if (command.command == Command::pattern && command.position >= 0) {
        SelectPattern(command.position + 1);
        ApplyPatternIndex();
    } else {
        Follow(show.Execute(command, ::GetTickCount()));
    }
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

// Any pattern change makes the parameters standard again, and the label goes with them; the pattern is
// drawn again even where it is shown already.
void CFrame::ApplyPattern(PatternMode mode) {
    Follow(show.Execute(CommandForPattern(mode), ::GetTickCount()));
}

void CFrame::FocusFirstScreen() {
    for (auto& window : windows)
        if (window->screenIndex == 0)
            ::SetFocus(window->handle);
}

void CFrame::CreateScreenWindows() {
    ReconcileScreens(screenSource());
}

void CFrame::OnPreQuit(CQuitNotifier*, int) {}

void CFrame::OnQuit(CQuitNotifier*, int code) {
    ::PostQuitMessage(code);
}

void CFrame::Follow(const CShowController::Answer& answer) {
    if (answer.quit) {
        Quit();
        return;
    }
    if (answer.cyclePosition >= 0)
        patternIndex = answer.cyclePosition;
    if (answer.update != CShowController::Update::none) {
        screens.Show(show.Content(), answer.update == CShowController::Update::redraw);
        show.Shown(::GetTickCount());
    }
    if (answer.focus)
        FocusFirstScreen();
    CShowController::Time when;
    if (timers && show.NextTick(when)) {
        const LONG wait = static_cast<LONG>(when - ::GetTickCount());
        timers->Start(tickTimer, wait > 0 ? static_cast<UINT>(wait) : 0);
    } else if (timers) {
        timers->Stop(tickTimer);
    }
}

void CFrame::OnTick() {
    Follow(show.Tick(::GetTickCount()));
}

void CFrame::ReconcileScreens(const ScreenLayout& layout) {
    Cover(layout, false);
}

void CFrame::OnLayoutSettled(const ScreenLayout& layout, bool displayChanged) {
    Cover(layout, displayChanged);
}

void CFrame::Cover(const ScreenLayout& layout, bool remake) {
    if (layoutWatch)
        layoutWatch->Follow(layout);
    const std::vector<int> resized = screens.Reconcile(layout, chosenScreens, patchDepth, show.Content());
    if (remake)
        screens.RemakeSurfaces();
    // A screen new or of a new size says whether its monitor is at its native mode.
    Follow(show.ScreensChanged(resized, ::GetTickCount()));
}

void CFrame::StartWith(PatternMode mode) {
    ApplyPattern(mode);
}

void CFrame::StartTimedRun(int seconds, size_t first) {
    Follow(show.StartRun(seconds, first, ::GetTickCount()));
}

void CFrame::OnMouseMove() {
    if (pointer)
        pointer->Moved();
}

bool CFrame::PointerHidden() const {
    return pointer && pointer->Hidden();
}

bool CFrame::StartRemote(RemoteProtocol protocol, const RemoteTarget& target) {
    remote.reset(new CRemoteConnection(instance, this, protocol, target));
    return remote->Start();
}

void CFrame::OnRemoteStatus(const std::wstring& text) {
    Follow(show.ShowStatus(text));
}

void CFrame::OnRemotePatch(const RemotePatch& patch) {
    Follow(show.ShowRemotePatch(patch));
}

void CFrame::OnRemoteIgnored(const std::wstring& why) {
    Follow(show.ShowIgnored(why, ::GetTickCount()));
}
