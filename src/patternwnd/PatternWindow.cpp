#include "PatternWindow.h"
#include "DrawPatternMode.h"
#include "HelpOverlay.h"
#include "HelpText.h"
#include "PaintOverDeep.h"
#include "PatternTable.h"
#include "ScreenText.h"
#include "Texts.h"
#include <algorithm>

const char* const CPatternWindow::className = "calibration pattern wndclass";

CPatternWindow::CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex,
                               const RECT& screenRect)
    : CWindow(instance), owner(owner), canvas(nullptr), screenRect(screenRect), screenIndex(screenIndex),
      mode(patternNone), screen{screenIndex + 1, 1, {0, 0, false}}, deepRefused(false) {
    classInfo.lpszClassName = className;
}

CPatternWindow::~CPatternWindow() {
    deep.reset();
    canvas.reset();
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
    const std::wstring label = ShownLabel();
    screenIndex = newIndex;
    if (::EqualRect(&screenRect, &newRect)) {
        if (ShownLabel() != label) // the first screen's label has come or gone with the place in the list
            Repaint();
        return;
    }
    screenRect = newRect;
    deepRefused = false;
    if (handle == nullptr)
        return;
    OnSize();
    Redraw();
}

void CPatternWindow::Describe(const ScreenDescription& description) {
    if (description == screen)
        return;
    const std::wstring warning = ShownWarning();
    screen = description;
    if (content.overlay || ShownWarning() != warning)
        Repaint();
}

void CPatternWindow::RemakeSurface() {
    if (canvas == nullptr)
        return;
    deep.reset(); // the display's format may take a swap chain now, or no longer
    deepRefused = false;
    canvas->Destroy();
    canvas->Create(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    Redraw();
}

void CPatternWindow::SetContent(const ScreenContent& next, bool redraw) {
    const std::wstring label = ShownLabel(), warning = ShownWarning();
    const bool overlay = content.overlay;
    const bool draw = redraw || next.mode != mode || next.params != content.params;
    content = next;
    if (draw)
        SetMode(content.mode); // draws and paints, label and all
    else if (ShownLabel() != label || ShownWarning() != warning || content.overlay != overlay)
        Repaint();
}

std::wstring CPatternWindow::ShownLabel() const {
    if (screenIndex != 0 || content.label.empty())
        return std::wstring();
    if (!content.outputNote)
        return content.label;
    const int bits = screen.details.bitsPerColor;
    return content.label + L" " +
           (deepRefused ? LoadText(IDS_NO_DEEP_OUTPUT)
            : bits > 0  ? FormatText(IDS_OUTPUT_BITS, {Number(bits)})
                        : LoadText(IDS_OUTPUT_UNKNOWN));
}

std::wstring CPatternWindow::ShownWarning() const {
    if (mode == patternRemote ||
        std::find(content.warned.begin(), content.warned.end(), screen.number) == content.warned.end())
        return std::wstring();
    return NativeModeWarning(screen.details.edid, screenRect.right - screenRect.left,
                             screenRect.bottom - screenRect.top);
}

void CPatternWindow::Repaint() {
    if (handle == nullptr)
        return;
    if (deep) {
        PresentTenBits();
        return;
    }
    Invalidate(nullptr, true);
    Update();
}

void CPatternWindow::Redraw() {
    if (mode != patternNone)
        DrawPattern();
    Repaint();
}

void CPatternWindow::DrawPattern() {
    if (canvas == nullptr)
        return;
    const int w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
    if (!WantsTenBits()) {
        deep.reset();
        DrawPatternMode(*canvas, mode, w, h, content.params);
        return;
    }
    if (DrawTenBits(w, h))
        return;
    // No 10 bits here: the content as a path of 8 bits carries it.
    PatternParams params = content.params;
    params.remote = NarrowedPatch(params.remote);
    DrawPatternMode(*canvas, mode, w, h, params);
}

bool CPatternWindow::WantsTenBits() const {
    const PatternEntry* entry = FindPattern(mode);
    if (entry == nullptr || entry->drawDeep == nullptr)
        return false;
    return mode != patternRemote || (content.params.remote.tenBits && screen.tenBitPatches);
}

bool CPatternWindow::DrawTenBits(int w, int h) {
    if (deepRefused)
        return false;
    if (!deep)
        deep.reset(new CDeepOutput(instance, handle));
    if (!deep->Open(screenRect)) {
        deep.reset();
        deepRefused = true;
        return false;
    }
    deepPattern.Resize(w, h);
    FindPattern(mode)->drawDeep(deepPattern, content.params);
    PresentTenBits();
    return true;
}

// The label and the help go over the 10-bit pattern as 8 bits carry them; the rest keeps its codes.
void CPatternWindow::PresentTenBits() {
    const std::wstring label = ShownLabel(), warning = ShownWarning();
    if (label.empty() && warning.empty() && !content.overlay) {
        deep->Present(deepPattern);
        return;
    }
    deepShown = deepPattern;
    PaintOverDeep(deepShown, {0, 0, deepShown.width, deepShown.height}, [&](HDC dc) {
        if (!label.empty())
            PaintLabel(dc);
        if (!warning.empty())
            PaintWarning(dc);
        if (content.overlay)
            PaintOverlay(dc);
    });
    deep->Present(deepShown);
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
        OnStacking(msg, lParam);
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    default:
        return ::DefWindowProcA(handle, msg, wParam, lParam);
    }
}

// While the 10-bit picture shows, it stays right over the window: raised, the window goes under it;
// moved in the stacking or given the focus, it takes the picture's window along.
void CPatternWindow::OnStacking(UINT msg, LPARAM lParam) {
    if (!deep || deep->handle == nullptr)
        return;
    if (msg == WM_WINDOWPOSCHANGING) {
        WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOZORDER) && pos->hwndInsertAfter == HWND_TOP)
            pos->hwndInsertAfter = deep->handle;
        return;
    }
    deep->KeepAbove(msg == WM_SETFOCUS);
}

LRESULT CPatternWindow::OnCreate() {
    canvas.reset(new CCanvas(handle));
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
    PAINTSTRUCT paint;
    ::BeginPaint(handle, &paint);
    if (deep) { // the swap chain's window covers this one and shows the label and help itself
        ::EndPaint(handle, &paint);
        return;
    }
    if (canvas) // without one there is nothing to show, but the paint must end
        canvas->PaintTo(paint);
    if (!ShownLabel().empty())
        PaintLabel(paint.hdc);
    if (!ShownWarning().empty())
        PaintWarning(paint.hdc);
    if (content.overlay)
        PaintOverlay(paint.hdc);
    ::EndPaint(handle, &paint);
}

void CPatternWindow::PaintLabel(HDC dc) {
    const int h = screenRect.bottom - screenRect.top;
    const int fontHeight = std::max(12, h / 54);
    const std::wstring label = ShownLabel();
    const CScreenText text(dc, fontHeight, label);
    text.Draw(fontHeight, h - 2 * fontHeight, label, RGB(96, 96, 96)); // dim on black
}

// In the label's look, at the top left, within the screen.
void CPatternWindow::PaintWarning(HDC dc) {
    const int w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
    const int fontHeight = std::max(12, h / 54);
    const std::wstring warning = ShownWarning();
    const CScreenText text(dc, fontHeight, warning);
    text.DrawInBox({fontHeight, fontHeight, w - fontHeight, h - fontHeight}, warning, RGB(96, 96, 96));
}

void CPatternWindow::PaintOverlay(HDC dc) {
    PaintHelpOverlay(dc, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top,
                     HelpLines(screen, screenRect, screenIndex == 0));
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
