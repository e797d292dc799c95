#include "PatternWindow.h"
#include "DrawPatternMode.h"
#include "PatternTable.h"
#include "WindowOverlay.h"

const char* const CPatternWindow::className = "calibration pattern wndclass";

CPatternWindow::CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex,
                               const RECT& screenRect, CDeepDevices* devices)
    : CQuietWindow(instance), owner(owner), canvas(nullptr), screenRect(screenRect), screenIndex(screenIndex),
      mode(patternNone), screen{screenIndex + 1, 1, {0, 0, false}}, devices(devices) {
    classInfo.lpszClassName = className;
}

CPatternWindow::~CPatternWindow() {
    motion.Stop();
    outputs.reset();
    canvas.reset();
}

bool CPatternWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    info.style = CS_HREDRAW | CS_VREDRAW;
    info.lpfnWndProc = &CWindow::InitialWindowProc;
    info.hInstance = instance;
    info.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    info.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    info.hbrBackground = nullptr;
    info.lpszClassName = className;
    info.hIconSm = ::LoadIconA(nullptr, IDI_APPLICATION);
    return ::RegisterClassExA(&info) != 0;
}

bool CPatternWindow::Create() {
    if (!CWindow::Create(WS_POPUP, 0, nullptr, nullptr, nullptr))
        return false;
    SetMode(patternNone);
    return true;
}

void CPatternWindow::SetMode(PatternMode newMode) {
    if (newMode != mode) {
        if (newMode != patternNone)
            ::SetFocus(handle);
        mode = newMode;
        if (handle == nullptr)
            return;
        OnSize();
    }
    Redraw();
}

void CPatternWindow::SetScreen(int newIndex, const RECT& newRect) {
    screenIndex = newIndex;
    if (::EqualRect(&screenRect, &newRect)) {
        ShowOn({}); // the first screen's label may have come or gone with the place in the list
        return;
    }
    screenRect = newRect;
    if (handle == nullptr)
        return;
    OnSize();
    outputs->Follow(screenRect); // its buffers ready for the next 10-bit content
    Redraw();
}

void CPatternWindow::Describe(const ScreenDescription& description) {
    if (description == screen)
        return;
    const bool newRate = description.details.rate != screen.details.rate;
    screen = description;
    if (newRate && motion.Moving())
        Redraw(); // the motion starts afresh at the screen's new rate
    else
        ShowOn({});
}

void CPatternWindow::RemakeSurface() {
    if (canvas == nullptr)
        return;
    outputs->Drop(); // the display's format may take a swap chain now, or no longer
    canvas->Destroy();
    canvas->Create(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    Redraw();
}

void CPatternWindow::Redraw() {
    if (mode != patternNone)
        DrawPattern();
    ShowAll();
}

void CPatternWindow::SetContent(const ScreenContent& next, bool redraw) {
    const bool draw = redraw || next.mode != mode || next.params != content.params;
    content = next;
    if (draw)
        SetMode(content.mode); // draws and shows, label and all
    else
        ShowOn({});
}

std::wstring CPatternWindow::ShownLabel() const {
    return ShownOverlay().label;
}

std::wstring CPatternWindow::ShownWarning() const {
    return ShownOverlay().warning;
}

void CPatternWindow::Finish() {
    if (outputs)
        outputs->Finish();
}

void CPatternWindow::DrawPattern() {
    if (canvas == nullptr)
        return;
    if (handle != nullptr)
        motion.Follow(FindPattern(mode), content.params.size, screenRect, screen.details.rate,
                      [this](long long n) { ShowFrame(n); });
    if (WantsTenBits())
        if (CDeepImage* picture = outputs->DeepPicture(screenRect, canvas->bitsPerPixel == 8)) {
            FindPattern(mode)->drawDeep(*picture, content.params);
            return;
        }
    DrawIntoCanvas();
}

// Content of more than 8 bits that no 10-bit output shows goes into the canvas as 8 bits carry it.
void CPatternWindow::DrawIntoCanvas() {
    PatternParams params = content.params;
    if (WantsTenBits())
        params.remote = NarrowedPatch(params.remote);
    const int w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
    if (motion.Moving())
        FindPattern(mode)->draw(*canvas, w, h, params, motion.Whole());
    else
        DrawPatternMode(*canvas, mode, w, h, params);
    outputs->DrewCanvas();
}

// The motion's next frame, where it changed from the one shown, and the readout with it.
void CPatternWindow::ShowFrame(long long n) {
    const std::vector<RECT> changed =
        FindPattern(mode)->draw(*canvas, screenRect.right - screenRect.left,
                                screenRect.bottom - screenRect.top, content.params, motion.Over(n));
    outputs->DrewCanvas();
    ShowOn(changed);
}

bool CPatternWindow::WantsTenBits() const {
    const PatternEntry* entry = FindPattern(mode);
    if (entry == nullptr || entry->drawDeep == nullptr)
        return false;
    return mode != patternRemote || (content.params.remote.tenBits && screen.tenBitPatches);
}

Overlay CPatternWindow::ShownOverlay() const {
    return WindowOverlay(content, screen, screenRect, screenIndex, outputs && outputs->Refused(),
                         motion.Readout());
}

void CPatternWindow::ShowAll() {
    ShowOn({{0, 0, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top}});
}

void CPatternWindow::ShowOn(const std::vector<RECT>& changed) {
    if (handle == nullptr || !outputs)
        return;
    if (!outputs->Show(changed, ShownOverlay())) {
        // The swap chain failed to present (its device went): 8 bits, until 10-bit content comes again.
        DrawIntoCanvas();
        ShowAll();
    }
}

LRESULT CPatternWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATEANDEAT;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0;
    case WM_CHAR:
        owner->OnChar(wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        owner->OnLButtonDown();
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        owner->OnRButtonDown();
        return 0;
    case WM_KEYDOWN:
        owner->OnKeyDown(wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        owner->OnMouseMove();
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(wParam, lParam);
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
        return OnPaletteMessage(msg, wParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_SETFOCUS:
        // The swap chain's window stays right over this one.
        if (outputs)
            outputs->OnWindowMessage(msg, lParam);
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    default:
        return CQuietWindow::WindowProc(msg, wParam, lParam);
    }
}

LRESULT CPatternWindow::OnCreate() {
    canvas.reset(new CCanvas(handle));
    canvas->Create(1, 1);
    canvas->lightColor = 0x00FFFFFF;
    canvas->darkColor = 0x00000000;
    outputs.reset(new CScreenOutputs(instance, handle, *canvas, devices));
    return 0;
}

void CPatternWindow::OnSize() {
    // Whatever size the window system reports, the window goes back onto its screen.
    const int w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
    Move(screenRect.left, screenRect.top, w, h, true);
    if (canvas)
        canvas->Resize(w, h);
}

void CPatternWindow::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(handle, &paint);
    if (outputs) // without a canvas there is nothing to show
        outputs->Paint(paint);
    ::EndPaint(handle, &paint);
}

LRESULT CPatternWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    // Over a pattern the pointer hides after a while without movement: no arrow on the field looked at.
    if (LOWORD(lParam) == HTCLIENT && owner->PointerHidden()) {
        ::SetCursor(nullptr);
        return TRUE;
    }
    return ::DefWindowProcA(handle, WM_SETCURSOR, wParam, lParam);
}

LRESULT CPatternWindow::OnPaletteMessage(UINT msg, WPARAM wParam) {
    if (mode == patternNone)
        return 0;
    // This window's own realization changed the system palette: its colours are already the ones
    // shown. Redrawing now would realize a new palette, change the system palette again, and so on.
    if (msg == WM_PALETTECHANGED && reinterpret_cast<HWND>(wParam) == handle)
        return 0;
    // A 10-bit picture has no palette: nothing of it depends on the system's.
    if (outputs->ShowsTenBits())
        return 0;
    DrawPattern();
    ::InvalidateRect(handle, nullptr, TRUE);
    // TRUE says a palette was realized, and the window system then tells every top-level window of
    // every program, waiting up to seconds for each one that is busy: on a display without a palette
    // that wait would come with every activation for nothing.
    return msg == WM_QUERYNEWPALETTE && canvas != nullptr && canvas->bitsPerPixel == 8 ? TRUE : 0;
}

LRESULT CPatternWindow::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    // A reading can take minutes: the screen saver and the display's power saving must wait.
    const WPARAM command = wParam & 0xFFF0;
    if (command == SC_SCREENSAVE || command == SC_MONITORPOWER)
        return 0;
    return ::DefWindowProcA(handle, WM_SYSCOMMAND, wParam, lParam);
}
