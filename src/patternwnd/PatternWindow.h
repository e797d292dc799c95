#pragma once
#include "Canvas.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "ScreenContent.h"
#include "Window.h"
#include <memory>
#include <string>

// The borderless window covering one screen. It draws its mode's pattern into its canvas and paints
// from it; keys and clicks go to its owner, which decides everything. Beside its mode it holds the rest
// of what it shows as one value, and the description of its screen it is handed: painting never asks
// the system. While it shows, neither the screen saver nor the display's power saving may start.
class CPatternWindow : public CWindow {
  public:
    CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex, const RECT& screenRect);
    ~CPatternWindow() override;

    static bool RegisterClass(HINSTANCE instance);
    static const char* const className;
    bool Create();
    void SetMode(PatternMode newMode);
    void DrawPattern();
    // The monitors changed: the window covers the screen at this place in the list and this rectangle
    // from now on, and shows its pattern drawn for that size (nothing happens when both are unchanged).
    void SetScreen(int newIndex, const RECT& newRect);
    // What the help overlay says about this window's screen; repainted where the overlay shows it.
    void Describe(const ScreenDescription& description);
    // The display's format may have changed: the surface is made anew and the pattern drawn again.
    void RemakeSurface();
    // Shows the content on this window's screen: the pattern is drawn again when it or its parameters
    // change or `redraw` asks for it; the label (the first screen's only) is shown over the pattern at
    // the bottom left and the help overlay in a box in the centre, neither drawn into the canvas.
    void SetContent(const ScreenContent& content, bool redraw);
    // The label this window shows over its pattern: the content's on the first screen, none elsewhere.
    std::wstring ShownLabel() const;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    CPatternInput* owner;
    std::unique_ptr<CCanvas> canvas; // made on WM_CREATE
    RECT screenRect;
    int screenIndex;
    PatternMode mode;
    ScreenContent content;
    ScreenDescription screen;

  private:
    LRESULT OnCreate();
    void OnSize();
    void OnPaint();
    LRESULT OnPaletteMessage(UINT msg, WPARAM wParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void Redraw();
    void Repaint();
    void PaintLabel(HDC dc);
    // The screen's identity, and on the first screen every key, in a dark box over the pattern.
    void PaintOverlay(HDC dc);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
};
