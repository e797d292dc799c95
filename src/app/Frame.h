#pragma once
#include "KeepAwake.h"
#include "Patch.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "QuitListener.h"
#include "RemoteListener.h"
#include "RemoteTarget.h"
#include "ScreenContent.h"
#include "Window.h"
#include <boost/shared_ptr.hpp>
#include <memory>
#include <string>
#include <vector>

class CPatternWindow;
class CRemoteConnection;

// The controller: a hidden window of its own, one pattern window per screen (or per chosen screen), and
// the position in the pattern cycle. Keys, clicks and mouse moves of every pattern window come here, and
// its timers: the label's, the timed run's and the pointer's; quitting goes through the notifier. It
// follows the monitors while it runs (window i always covers the i-th covered screen as the screens
// are now) and keeps the displays awake.
class CFrame : public CWindow, public CQuitListener, public CPatternInput, public CRemoteListener {
  public:
    explicit CFrame(HINSTANCE instance);
    ~CFrame() override;

    static const char* const className;

    bool RegsiterClass();
    bool Create();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnChar(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown() override;
    void OnRButtonDown() override;
    void OnKeyDown(WPARAM virtualKey, LPARAM lParam) override;
    void OnMouseMove() override;
    bool PointerHidden() const override;
    void Quit();

    void NextPattern();
    void SelectPattern(int n);
    void ApplyPatternIndex();
    void ApplyPattern(PatternMode mode);
    // Every window shows this content from now on (see CPatternWindow::SetContent); the focus ends on
    // screen 0.
    void ApplyContent(const ScreenContent& next, bool redraw);
    void FocusFirstScreen();
    void CreateScreenWindows();
    // Makes the pattern windows cover exactly these screens (the chosen ones among them): windows whose
    // screen is still there stay untouched, others move to the new screens, missing ones are made and
    // the surplus destroyed. Every window shows the current pattern for its size, and the focus returns
    // to screen 0.
    void ReconcileScreens(const std::vector<RECT>& screens);
    // The rectangles the pattern windows cover now, in screen order.
    std::vector<RECT> CoveredScreens() const;

    // Before Create: the screens start with this pattern (and the cycle goes on from it where it is one).
    void StartWith(PatternMode mode);
    // The timed run: every pattern of the table in turn, from the entry `first` on, each for `seconds`,
    // its name on screen 0 for a moment at each step; round and round until stopped.
    void StartTimedRun(int seconds, size_t first);
    void StopTimedRun();
    bool Running() const { return running; }

    // Shows what calibration software listening at the target asks for, from now on.
    bool StartRemote(RemoteProtocol protocol, const RemoteTarget& target);
    void OnRemoteStatus(const std::string& text) override;
    void OnRemotePatch(const RemotePatch& patch) override;
    void OnRemoteIgnored(const std::string& why) override;

    void OnPreQuit(CQuitNotifier* notifier, int code) override;
    void OnQuit(CQuitNotifier* notifier, int code) override;

    std::vector<boost::shared_ptr<CPatternWindow>> windows;
    int patternIndex;
    // What every screen shows; new windows show it too. Any pattern change makes the parameters standard
    // again and takes the label away.
    ScreenContent content;

    // How long the label of a patch step stays on screen 0 (ms).
    static const UINT labelPeriod = 2000;
    // After this long without a movement the pointer hides over the pattern windows (ms).
    static const UINT pointerDelay = 3000;
    // The period of a timed run that A starts (s); the command line may set another.
    int runSeconds;
    // Which screens to cover, numbered from 1 in the order the screens are discovered; empty: all.
    std::vector<int> chosenScreens;

    // Where the frame learns which screens exist now, and how it finds SetThreadExecutionState: the
    // system's answers by default; tests choose their own before Create.
    using ScreenSource = std::vector<RECT> (*)();
    ScreenSource screenSource;
    CKeepAwake::ProcLookup keepAwakeLookup;

    // Wine reports no WM_DISPLAYCHANGE for some changes: the layout is also checked this often (ms).
    static const UINT layoutCheckPeriod = 1000;
    // A change is acted on once the layout has stood still this long (ms): a hot-plug comes in bursts.
    static const UINT settlePeriod = 250;

  private:
    LRESULT OnCreate();
    void OnDisplayChange();
    void OnTimer(UINT_PTR id);
    void OnLayoutCheck();
    void OnSettled();
    void WaitForSettledScreens(const std::vector<RECT>& screens);
    void OnRunTimer();
    void ShowRunStep();
    void HidePointer();
    // F1, H and ?: the help overlay on or off. Any other key or click takes it away first.
    void ToggleOverlay();
    void HideOverlay();
    // The content that shows this pattern with its standard parameters, the status under it.
    ScreenContent PatternContent(PatternMode mode) const;
    // Applies content whose label screen 0 shows for a moment (labelPeriod).
    void ApplyLabelled(const ScreenContent& next, bool redraw);

    enum : UINT_PTR { layoutCheckTimer = 1, settleTimer = 2, labelTimer = 3, runTimer = 4, pointerTimer = 5 };
    std::unique_ptr<CKeepAwake> keepAwake;
    std::vector<RECT> settlingScreens; // the layout last seen while waiting for it to stand still
    bool settling;
    bool remakeSurfaces;               // a WM_DISPLAYCHANGE came: the display's format may be new too
    std::vector<RECT> followedScreens; // every screen as the layout was last followed, chosen or not
    bool running;
    size_t runEntry; // the pattern table's entry the timed run shows
    bool pointerHidden;
    POINT lastPointer;
    std::unique_ptr<CRemoteConnection> remote;
    std::string status; // what screen 0 says while no label of a moment is up: the remote connection's
};
