#pragma once
#include "Canvas.h"
#include "ScreenMotion.h"
#include "ScreenOutputs.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "QuietWindow.h"
#include "ScreenContent.h"
#include "ScreenDescription.h"
#include <memory>
#include <string>

// The borderless window covering one screen. It draws its mode's pattern and shows it; keys and clicks
// go to its owner, which decides everything. Beside its mode it holds the rest of what it shows as one
// value, and the description of its screen it is handed: painting never asks the system. Its content
// reaches the screen through one of two outputs, each made once and kept: GDI from its canvas, and for
// content of more than 8 bits per colour (the depth chart; calibration software's patches where the
// screen shows them at 10 bits) a 10-bit swap chain over the window; where none can be made, the canvas
// shows that content as 8 bits carry it. Label, warning and help lie over the pattern, never in it.
// While it shows, neither the screen saver nor the display's power saving may start.
class CPatternWindow : public CQuietWindow {
  public:
    // `devices` make the 10-bit outputs (null: content of more than 8 bits always goes through 8).
    CPatternWindow(CPatternInput* owner, HINSTANCE instance, int screenIndex, const RECT& screenRect,
                   CDeepDevices* devices = nullptr);
    ~CPatternWindow() override;

    static bool RegisterClass(HINSTANCE instance);
    static const char* const className;
    bool Create();
    void SetMode(PatternMode newMode);
    void DrawPattern();
    // The monitors changed: the window covers the screen at this place in the list and this rectangle
    // from now on, and shows its pattern drawn for that size (nothing is drawn when both are unchanged).
    void SetScreen(int newIndex, const RECT& newRect);
    // What the help says about this window's screen; shown again where the help shows it.
    void Describe(const ScreenDescription& description);
    // The display's format may have changed: the surface and the 10-bit output are made anew and the
    // pattern drawn again.
    void RemakeSurface();
    // Shows the content on this window's screen: the pattern is drawn again when it or its parameters
    // change or `redraw` asks for it; the label (the first screen's only) and the help lie over it.
    void SetContent(const ScreenContent& content, bool redraw);
    // The label this window shows over its pattern: the content's on the first screen (with what this
    // screen's output carries, where the content asks for that), none elsewhere.
    std::wstring ShownLabel() const;
    // What this window says for a moment where its monitor is not at its native mode; empty elsewhere,
    // and never over calibration software's patch.
    std::wstring ShownWarning() const;
    // Whether the pattern shows at 10 bits per colour now, through the swap chain.
    bool ShowsTenBits() const { return outputs && outputs->ShowsTenBits(); }
    // Returns once what the window shows has reached the screen (a swap chain presents on a thread of its
    // own).
    void Finish();
    // The motion's frames shown and missed since it last started on this screen (0 for a still pattern).
    long long FramesShown() const { return motion.Shown(); }
    long long FramesMissed() const { return motion.Missed(); }
    // What the making of its 10-bit output took, step by step (all 0 where there is none).
    CDeepOutput::Making DeepMaking() const { return outputs ? outputs->DeepMaking() : CDeepOutput::Making(); }
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
    void DrawIntoCanvas();
    void ShowFrame(long long n);
    // The pattern drawn again (where there is one) and shown whole.
    void Redraw();
    // What lies over the pattern now.
    Overlay ShownOverlay() const;
    // Puts the content on the screen through the output it was drawn for: the pattern where it changed,
    // the overlay as it is now.
    void ShowOn(const std::vector<RECT>& changed);
    void ShowAll();
    LRESULT OnCreate();
    void OnSize();
    void OnPaint();
    LRESULT OnPaletteMessage(UINT msg, WPARAM wParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    CDeepDevices* devices;
    std::unique_ptr<CScreenOutputs> outputs; // made with the canvas
    CScreenMotion motion;
};
