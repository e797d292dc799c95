#pragma once
#include "Canvas.h"
#include "DeepImage.h"
#include "DeepOutput.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "ScreenContent.h"
#include "ScreenDescription.h"
#include "Window.h"
#include <memory>
#include <string>

// The borderless window covering one screen. It draws its mode's pattern into its canvas and paints
// from it; keys and clicks go to its owner, which decides everything. Beside its mode it holds the rest
// of what it shows as one value, and the description of its screen it is handed: painting never asks
// the system. Content of more than 8 bits per colour (the depth chart; calibration software's patches
// where the screen shows them at 10 bits) it shows through a 10-bit swap chain over the window, label
// and help composed into the image; where none can be made, through the canvas as 8 bits carry it.
// While it shows, neither the screen saver nor the display's power saving may start.
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
    // The label this window shows over its pattern: the content's on the first screen (with what this
    // screen's output carries, where the content asks for that), none elsewhere.
    std::wstring ShownLabel() const;
    // What this window says for a moment where its monitor is not at its native mode; empty elsewhere,
    // and never over calibration software's patch.
    std::wstring ShownWarning() const;
    // Whether the pattern shows at 10 bits per colour now, through the swap chain.
    bool ShowsTenBits() const { return deep != nullptr; }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    CPatternInput* owner;
    std::unique_ptr<CCanvas> canvas; // made on WM_CREATE
    RECT screenRect;
    int screenIndex;
    PatternMode mode;
    ScreenContent content;
    ScreenDescription screen;

  private:
    // Whether the content needs more than 8 bits per colour here.
    bool WantsTenBits() const;
    // Draws the content at 10 bits and shows it through the swap chain; false where none can be made.
    bool DrawTenBits(int width, int height);
    // Shows the 10-bit pattern with the label and the help composed into it.
    void PresentTenBits();
    LRESULT OnCreate();
    void OnSize();
    void OnPaint();
    LRESULT OnPaletteMessage(UINT msg, WPARAM wParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void Redraw();
    void Repaint();
    void PaintLabel(HDC dc);
    void PaintWarning(HDC dc);
    // The screen's identity, and on the first screen every key, in a dark box over the pattern.
    void PaintOverlay(HDC dc);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnStacking(UINT msg, LPARAM lParam);

    std::unique_ptr<CDeepOutput> deep; // while the pattern shows at 10 bits
    CDeepImage deepPattern;            // the pattern at 10 bits
    CDeepImage deepShown;              // with the label and the help over it
    bool deepRefused;                  // no swap chain could be made for this screen as it is
};
