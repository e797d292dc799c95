#include "PatternWindow.h"
#include "DrawPatternMode.h"
#include "HelpText.h"
#include "MonitorFunctions.h"
#include "PatternTable.h"
#include "Texts.h"
#include <algorithm>

const char* const CPatternWindow::className = "calibration pattern wndclass";

CPatternWindow::CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex,
                               const RECT& screenRect, CDeepDevices* devices)
    : CQuietWindow(instance), owner(owner), canvas(nullptr), screenRect(screenRect), screenIndex(screenIndex),
      mode(patternNone), screen{screenIndex + 1, 1, {0, 0, false}}, devices(devices), drawn(nullptr),
      shown(nullptr), deepRefused(false) {
    classInfo.lpszClassName = className;
}

CPatternWindow::~CPatternWindow() {
    deep.reset();
    gdi.reset();
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
    if (mode != patternNone)
        DrawPattern();
    ShowAll();
}

void CPatternWindow::SetScreen(int newIndex, const RECT& newRect) {
    screenIndex = newIndex;
    if (::EqualRect(&screenRect, &newRect)) {
        ShowOn({}); // the first screen's label may have come or gone with the place in the list
        return;
    }
    screenRect = newRect;
    deepRefused = false;
    if (handle == nullptr)
        return;
    OnSize();
    // A 10-bit output follows its screen even while hidden: its buffers are ready for the next content.
    if (deep)
        OpenDeep();
    if (mode != patternNone)
        DrawPattern();
    ShowAll();
}

void CPatternWindow::Describe(const ScreenDescription& description) {
    if (description == screen)
        return;
    screen = description;
    ShowOn({});
}

void CPatternWindow::RemakeSurface() {
    if (canvas == nullptr)
        return;
    // The display's format may take a swap chain now, or no longer.
    DropDeep();
    deepRefused = false;
    canvas->Destroy();
    canvas->Create(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
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

void CPatternWindow::Finish() {
    if (deep && shown == deep.get())
        deep->Finish();
    ::GdiFlush();
}

void CPatternWindow::DrawPattern() {
    if (canvas == nullptr)
        return;
    const int w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
    drawn = gdi.get();
    if (!WantsTenBits()) {
        DrawPatternMode(*canvas, mode, w, h, content.params);
        return;
    }
    if (OpenDeep()) {
        FindPattern(mode)->drawDeep(deep->Picture(), content.params);
        drawn = deep.get();
        return;
    }
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

bool CPatternWindow::OpenDeep() {
    // A palette display shows 8 bits at most.
    if (deepRefused || devices == nullptr || canvas->bitsPerPixel == 8) {
        deepRefused = true;
        return false;
    }
    if (!deep)
        deep.reset(new CDeepOutput(instance, handle, *devices));
    if (!deep->Open(screenRect,
                    CMonitorFunctions::Process().MonitorFromRect(&screenRect, MONITOR_DEFAULTTONEAREST))) {
        DropDeep();
        deepRefused = true;
        return false;
    }
    return true;
}

void CPatternWindow::DropDeep() {
    if (drawn == deep.get())
        drawn = gdi.get();
    if (shown == deep.get())
        shown = gdi.get();
    deep.reset();
}

Overlay CPatternWindow::ShownOverlay() const {
    Overlay overlay;
    overlay.width = screenRect.right - screenRect.left;
    overlay.height = screenRect.bottom - screenRect.top;
    overlay.label = ShownLabel();
    overlay.warning = ShownWarning();
    if (content.overlay)
        overlay.help = HelpLines(screen, screenRect, screenIndex == 0);
    return overlay;
}

void CPatternWindow::ShowAll() {
    ShowOn({{0, 0, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top}});
}

void CPatternWindow::ShowOn(const std::vector<RECT>& changed) {
    if (handle == nullptr || gdi == nullptr)
        return;
    if (drawn == deep.get() && deep) {
        if (deep->Show(changed, ShownOverlay())) {
            shown = deep.get();
            return;
        }
        // The present failed (its device went): as 8 bits carry it, until 10-bit content comes again.
        drawn = gdi.get();
        PatternParams params = content.params;
        params.remote = NarrowedPatch(params.remote);
        DrawPatternMode(*canvas, mode, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top,
                        params);
        ShowAll();
        return;
    }
    // GDI paints the screen from now on, under the swap chain's window; then that window goes.
    shown = gdi.get();
    gdi->Show(changed, ShownOverlay());
    if (deep)
        deep->Hide();
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
        if (deep)
            deep->OnOwnerMessage(msg, lParam);
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
    gdi.reset(new CGdiOutput(handle, *canvas));
    drawn = shown = gdi.get();
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
    // Under the swap chain's window there is nothing to show; without a canvas, nothing to show from.
    if (gdi && shown == gdi.get())
        gdi->Paint(paint);
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
    DrawPattern();
    if (drawn == gdi.get())
        ::InvalidateRect(handle, nullptr, TRUE);
    else
        ShowAll();
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
