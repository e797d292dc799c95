#pragma once
#include "DeepDevices.h"
#include "KeepAwake.h"
#include "KeyMap.h"
#include "LayoutWatch.h"
#include "PatternInput.h"
#include "PatternMode.h"
#include "PointerHider.h"
#include "QuitListener.h"
#include "RemoteListener.h"
#include "RemoteTarget.h"
#include "ScreenWindows.h"
#include "ShowController.h"
#include "Timers.h"
#include "Window.h"
#include <boost/shared_ptr.hpp>
#include <memory>
#include <vector>

class CPatternWindow;
class CRemoteConnection;

// The main frame: a hidden window of its own, one pattern window per screen (or per chosen screen) and
// the position in the pattern cycle. Keys and clicks of every pattern window come here and go through
// the key map; quitting goes through the notifier. The rest it wires: what is shown (the controller),
// the windows following the screens (the layout watch), the pointer, keeping the displays awake and
// the connection to calibration software.
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
    void FocusFirstScreen();
    void CreateScreenWindows();

    void OnPreQuit(CQuitNotifier* notifier, int code) override;
    void OnQuit(CQuitNotifier* notifier, int code) override;

    void OnRemoteStatus(const std::wstring& text) override;
    void OnRemotePatch(const RemotePatch& patch) override;
    void OnRemoteIgnored(const std::wstring& why) override;

    // Before Create: the screens start with this pattern (and the cycle goes on from it where it is one).
    void StartWith(PatternMode mode);
    // A timed run (see CShowController::StartRun) from the table's entry `first` on.
    void StartTimedRun(int seconds, size_t first);
    bool Running() const { return show.Running(); }
    // Shows what calibration software listening at the target asks for, from now on.
    bool StartRemote(RemoteProtocol protocol, const RemoteTarget& target);
    // The screens as they have settled: the windows cover them, and the focus returns to screen 0.
    void ReconcileScreens(const ScreenLayout& layout);
    std::vector<RECT> CoveredScreens() const { return screens.Covered(); }
    const ScreenContent& Content() const { return show.Content(); }

    std::vector<boost::shared_ptr<CPatternWindow>> windows;
    int patternIndex;

    // Settings, made before Create: the period of a timed run that A starts (s); which screens to cover,
    // numbered from 1 in the order the screens are discovered (empty: all); at how many bits calibration
    // software's patches show; where the frame learns the screens and finds SetThreadExecutionState (the
    // system's by default; tests choose their own).
    int runSeconds;
    std::vector<int> chosenScreens;
    CScreenWindows::PatchDepth patchDepth;
    CLayoutWatch::Source screenSource;
    CKeepAwake::ProcLookup keepAwakeLookup;
    // How D3D11CreateDevice is found (in d3d11.dll; tests count or refuse), and the devices made with it.
    CDeepDevices::ProcLookup deepLookup;
    const CDeepDevices* DeepDevices() const { return deepDevices.get(); }

  private:
    LRESULT OnCreate();
    // The one road of the operator's commands: a chart of the cycle and a click through the cycle's
    // position (SelectPattern or NextPattern, then ApplyPatternIndex), everything else to the controller.
    void Take(const KeyCommand& command);
    // Does what the controller answered: quits, follows the cycle, shows the content on the windows and
    // puts the focus on screen 0 where the answer says so; then waits for the controller's next moment.
    void Follow(const CShowController::Answer& answer);
    void OnTick();
    void OnLayoutSettled(const ScreenLayout& layout, bool displayChanged);
    // The windows cover the layout's screens; with a new display format their surfaces are made anew.
    void Cover(const ScreenLayout& layout, bool remake);

    CShowController show;
    CScreenWindows screens;
    std::unique_ptr<CTimers> timers; // these and the rest are made with the frame's window
    UINT_PTR tickTimer;
    std::unique_ptr<CLayoutWatch> layoutWatch;
    std::unique_ptr<CPointerHider> pointer;
    std::unique_ptr<CKeepAwake> keepAwake;
    std::unique_ptr<CDeepDevices> deepDevices;
    std::unique_ptr<CRemoteConnection> remote;
};
