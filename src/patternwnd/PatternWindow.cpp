#include "PatternWindow.h"
#include "DrawPatternMode.h"

const char* const CPatternWindow::className = "calibration pattern wndclass";

CPatternWindow::CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex,
                               const RECT& screenRect)
    : CWindow(instance), owner(owner), canvas(nullptr), screenRect(screenRect), screenIndex(screenIndex),
      mode(patternNone) {
    classInfo.lpszClassName = className;
}

CPatternWindow::~CPatternWindow() {
    delete canvas;
    canvas = nullptr;
    // Destroyed here, its WM_DESTROY still reaches this class, which only hides the window: the base
    // class's default would post a quit, and a window goes away while the program runs when its
    // monitor does.
    Destroy();
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
    if (::EqualRect(&screenRect, &newRect))
        return;
    screenRect = newRect;
    if (handle == nullptr)
        return;
    OnSize();
    Redraw();
}

void CPatternWindow::RemakeSurface() {
    if (canvas == nullptr)
        return;
    canvas->Destroy();
    canvas->Create(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    Redraw();
}

void CPatternWindow::Redraw() {
    if (mode != patternNone)
        DrawPattern();
    Invalidate(nullptr, true);
    Update();
}

void CPatternWindow::DrawPattern() {
    if (canvas == nullptr)
        return;
    DrawPatternMode(*canvas, mode, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
}

LRESULT CPatternWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        Show(SW_HIDE);
        return 0;
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
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
        return OnPaletteMessage(msg, wParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    default:
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    }
}

LRESULT CPatternWindow::OnCreate() {
    canvas = new CCanvas(handle);
    canvas->Create(1, 1);
    canvas->lightColor = 0x00FFFFFF;
    canvas->darkColor = 0x00000000;
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
    if (canvas)
        canvas->Paint();
    else
        ::ValidateRect(handle, nullptr); // nothing to show, but the paint must end
}

LRESULT CPatternWindow::OnPaletteMessage(UINT msg, WPARAM wParam) {
    if (mode == patternNone)
        return 0;
    // This window's own realization changed the system palette: its colours are already the ones
    // shown. Redrawing now would realize a new palette, change the system palette again, and so on.
    if (msg == WM_PALETTECHANGED && reinterpret_cast<HWND>(wParam) == handle)
        return 0;
    DrawPattern();
    ::InvalidateRect(handle, nullptr, TRUE);
    return msg == WM_QUERYNEWPALETTE ? TRUE : 0;
}

LRESULT CPatternWindow::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    // A reading can take minutes: the screen saver and the display's power saving must wait.
    const WPARAM command = wParam & 0xFFF0;
    if (command == SC_SCREENSAVE || command == SC_MONITORPOWER)
        return 0;
    return ::DefWindowProcA(handle, WM_SYSCOMMAND, wParam, lParam);
}
