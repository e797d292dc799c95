#pragma once
#include "DeepOutput.h"
#include "GdiOutput.h"
#include <memory>

// A pattern window's two outputs, each made once and kept: GDI from its canvas, and where content needs
// it a 10-bit swap chain. The window says which one its content was drawn for; Show puts it on the
// screen through that one, and the other, where it showed, goes.
class CScreenOutputs {
  public:
    // `devices` make the 10-bit output (null: there is none).
    CScreenOutputs(HINSTANCE instance, HWND window, CCanvas& canvas, CDeepDevices* devices);

    // The 10-bit picture of a screen at this rectangle, the output made or followed to it, to draw into;
    // null where no 10-bit output can be made for the screen as it is (a palette display among them).
    CDeepImage* DeepPicture(const RECT& screen, bool paletteDisplay);
    // The content was drawn into the canvas.
    void DrewCanvas() { drawn = gdi.get(); }
    // A 10-bit output that exists follows its screen even while hidden.
    void Follow(const RECT& screen);
    // The display's format changed: the 10-bit output goes, and may be tried again.
    void Drop();
    // Shows the content through the output it was drawn for; false where the swap chain failed to
    // present (its device went): the window then draws its content into the canvas and shows it again.
    bool Show(const std::vector<RECT>& changed, const Overlay& overlay);

    bool ShowsTenBits() const { return deep && shown == deep.get(); }
    // No 10-bit output could be made for the screen as it is.
    bool Refused() const { return refused; }
    void Finish();
    // The window's WM_PAINT, and its messages about the stacking and the focus.
    void Paint(const PAINTSTRUCT& paint);
    void OnWindowMessage(UINT msg, LPARAM lParam);
    CDeepOutput::Making DeepMaking() const { return deep ? deep->making : CDeepOutput::Making(); }

  private:
    HINSTANCE instance;
    HWND window;
    CDeepDevices* devices;
    std::unique_ptr<CGdiOutput> gdi;
    std::unique_ptr<CDeepOutput> deep;
    CScreenOutput* drawn; // the output the content was drawn for last
    CScreenOutput* shown; // the output that shows the screen now
    bool refused;
};
