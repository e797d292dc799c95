#pragma once
#include "Canvas.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "Window.h"

// The borderless window covering one screen. It draws its mode's pattern into its canvas and paints
// from it; keys and clicks go to its owner, which decides everything.
class CPatternWindow : public CWindow {
  public:
    CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex, const RECT& screenRect);
    ~CPatternWindow() override;

    static bool RegisterClass(HINSTANCE instance);
    static const char* const className;
    bool Create();
    void SetMode(PatternMode newMode);
    void DrawPattern();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    CPatternInput* owner;
    CCanvas* canvas;
    RECT screenRect;
    int screenIndex;
    PatternMode mode;

  private:
    LRESULT OnCreate();
    void OnSize();
    void OnPaint();
    LRESULT OnPaletteMessage(UINT msg);
};
