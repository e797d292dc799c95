#pragma once
#include "RemotePatch.h"
#include "ScreenContent.h"
#include <windows.h>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// What the screens show beyond the position in the cycle, and how it changes by itself: the content
// (pattern, parameters, label, help), the status that a connection to calibration software reports,
// a label of a moment and the timed run. It has no window and no clock: commands that start something
// timed come with the time now (in ms, from any origin), Tick tells it the time has come on, and
// NextTick says when it wants that next. Every command answers what the windows must do.
class CShowController {
  public:
    using Time = DWORD;

    // The windows: nothing to do, show the content (each window redraws what changed), or show it with
    // the pattern drawn afresh (a pattern was chosen, even the one shown).
    enum class Update { none, show, redraw };

    // How long a label of a moment stays (ms), and a screen's warning that its monitor is not at its
    // native mode.
    static const DWORD labelPeriod = 2000;
    static const DWORD warningPeriod = 5000;

    CShowController();

    const ScreenContent& Content() const { return content; }

    // A pattern is chosen: its standard parameters, the status as its label (or for a moment its own
    // note, where the pattern table gives one), the help as it was.
    Update ShowPattern(PatternMode mode, Time now);
    // An arrow or Home on a pattern with parameters steps them, and the label says what is shown now.
    Update Step(WPARAM virtualKey, bool fine, Time now);
    Update ToggleHelp();
    Update HideHelp();
    // Every pattern the operator can choose in turn from the table's entry `first` on, `seconds` each,
    // its name as a label of a moment at each step; round and round until stopped.
    Update StartRun(int seconds, size_t first, Time now);
    void StopRun();
    bool Running() const { return running; }
    // Calibration software's picture wins over a timed run and the help; nothing lies over it.
    Update ShowRemotePatch(const RemotePatch& patch);
    // Where the connection stands: the label whenever no label of a moment is up.
    Update ShowStatus(const std::wstring& text);
    Update ShowIgnored(const std::wstring& why, Time now);
    // These screens (numbers from 1) say for warningPeriod whether their monitor is not at its native
    // mode: after the start, and after a change of their size.
    Update WarnScreens(const std::vector<int>& numbers, Time now);

    // The screens have shown the content at `now`: a label of a moment put up since the last time stays
    // its whole period from now on (a first drawing can take a while, a swap chain being made).
    void Shown(Time now);
    // The time has come on: a label of a moment goes, a timed run steps.
    Update Tick(Time now);
    // When Tick is wanted next; false while nothing waits for the time.
    bool NextTick(Time& when) const;

  private:
    void ShowLabel(const std::wstring& text, Time now, bool outputNote = false);
    void SetLabel(const std::wstring& text, bool outputNote = false);
    void ShowRunStep(Time now);
    void ListWarned();

    ScreenContent content;
    std::wstring status;
    bool labelUp;
    bool labelNew; // up, and not shown yet
    Time labelUntil;
    std::vector<std::pair<int, Time>> warnings; // a screen's number and when its warning goes
    bool running;
    DWORD runPeriod;
    size_t runEntry; // the pattern table's entry the timed run shows
    Time nextStep;
};
