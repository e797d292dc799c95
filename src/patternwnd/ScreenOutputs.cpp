// A pattern window's GDI and 10-bit outputs, and which one shows the screen.
#include "ScreenOutputs.h"
#include "MonitorFunctions.h"

CScreenOutputs::CScreenOutputs(HINSTANCE instance, HWND window, CCanvas& canvas, CDeepDevices* devices)
    : instance(instance), window(window), devices(devices), gdi(new CGdiOutput(window, canvas)),
      drawn(gdi.get()), shown(gdi.get()), refused(false) {}

CDeepImage* CScreenOutputs::DeepPicture(const RECT& screen, bool paletteDisplay) {
    if (refused || devices == nullptr || paletteDisplay) {
        refused = true;
        return nullptr;
    }
    if (!deep)
        deep.reset(new CDeepOutput(instance, window, *devices));
    if (!deep->Open(screen,
                    CMonitorFunctions::Process().MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST))) {
        Drop();
        refused = true;
        return nullptr;
    }
    drawn = deep.get();
    return &deep->Picture();
}

void CScreenOutputs::Follow(const RECT& screen) {
    refused = false;
    if (deep && !deep->Open(screen, CMonitorFunctions::Process().MonitorFromRect(&screen,
                                                                                 MONITOR_DEFAULTTONEAREST))) {
        Drop();
        refused = true;
    }
}

void CScreenOutputs::Drop() {
    drawn = shown = gdi.get();
    deep.reset();
    refused = false;
}

bool CScreenOutputs::Show(const std::vector<RECT>& changed, const Overlay& overlay) {
    if (deep && drawn == deep.get()) {
        drawn = gdi.get(); // until the next 10-bit content, where this one fails
        if (!deep->Show(changed, overlay))
            return false;
        drawn = shown = deep.get();
        return true;
    }
    // GDI paints the screen from now on, under the swap chain's window; then that window goes.
    shown = gdi.get();
    gdi->Show(changed, overlay);
    if (deep)
        deep->Hide();
    return true;
}

void CScreenOutputs::Finish() {
    if (ShowsTenBits())
        deep->Finish();
    ::GdiFlush();
}

void CScreenOutputs::Paint(const PAINTSTRUCT& paint) {
    // Under the swap chain's window there is nothing to show.
    if (shown == gdi.get())
        gdi->Paint(paint);
}

void CScreenOutputs::OnWindowMessage(UINT msg, LPARAM lParam) {
    if (deep)
        deep->OnOwnerMessage(msg, lParam);
}
