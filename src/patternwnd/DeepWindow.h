#pragma once
#include "QuietWindow.h"
#include <functional>

// The window a swap chain shows in: borderless, exactly over a pattern window and owned by it (so always
// above it), never activated and never given the focus; the pointer and clicks pass through to the
// pattern window under it. A window of its own rather than a child: the pattern window goes back to GDI
// as it was when the 10 bits go, and Wine shows a swap chain only in a top-level window. When the window
// system asks for a repaint, `repaint` presents the last picture again.
class CDeepWindow : public CQuietWindow {
  public:
    CDeepWindow(HINSTANCE instance, HWND owner, std::function<void()> repaint);

    static const char* const className;
    // Made (hidden) where it is not yet, and put over the rectangle; false where it cannot be made.
    bool Place(const RECT& rect);
    // Shown without activation, right above its owner, and its picture presented again (a window
    // that was hidden has lost it); nothing happens where it shows already.
    void ShowOver();
    // Puts the window right above its owner again (Windows keeps an owned window there; Wine does not
    // always when the owner is activated), on top of all where the owner has the focus.
    void KeepAbove(bool foreground);
    // The owner's messages that move it in the stacking or give it the focus: the window goes along.
    void OnOwnerMessage(UINT msg, LPARAM lParam);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // KeepAbove's work: true where the window was moved in the stacking (and its picture presented).
    bool Restack(bool foreground);

    HWND owner;
    std::function<void()> repaint;
};
