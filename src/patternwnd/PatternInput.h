#pragma once
#include <windows.h>

// What a pattern window does with its keys and clicks: it hands them to whoever made it. The window
// decides nothing itself; the frame implements this and chooses the pattern or quits.
class CPatternInput {
  public:
    virtual void OnChar(WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnLButtonDown() = 0;
    virtual void OnRButtonDown() = 0;
    // Keys without a character (the arrows, Home): WM_KEYDOWN's virtual-key code and flags.
    virtual void OnKeyDown(WPARAM virtualKey, LPARAM lParam) = 0;
    // The mouse moved over the window (or the system says so: the owner compares positions).
    virtual void OnMouseMove() = 0;
    // Whether the pointer is hidden over the pattern windows now.
    virtual bool PointerHidden() const = 0;

  protected:
    ~CPatternInput() = default;
};
