#pragma once
#include "KeyMap.h"
#include "RemotePatch.h"
#include "ScreenContent.h"
#include <windows.h>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// What the screens show beyond the position in the cycle, and how it changes by itself: the content
// (pattern, parameters, label, help), the status that a connection to calibration software reports,
// a label of a moment and the timed run. It has no window and no clock: the operator's commands and
// whatever starts something timed come with the time now (in ms, from any origin), Tick tells it the
// time has come on, and NextTick says when it wants that next. Every command answers what the windows
// and the frame must do.
class CShowController {
  public:
    using Time = DWORD;

    // The windows: nothing to do, show the content (each window redraws what changed), or show it with
    // the pattern drawn afresh (a pattern was chosen, even the one shown).
    enum class Update { none, show, redraw };

    // What a command asks of the frame: the windows' update; whether the program ends; whether the
    // keyboard focus goes back to the first screen (after the operator's commands and every change of
    // pattern, never because time passed or the network spoke); and the place in the click cycle of a
    // chart now shown, from which a click goes on (-1: the cycle stays where it is).
    struct Answer {
        Update update = Update::none;
        bool quit = false;
        bool focus = false;
        int cyclePosition = -1;
    };

    // How long a label of a moment stays (ms), and a screen's warning that its monitor is not at its
    // native mode.
    static const DWORD labelPeriod = 2000;
    static const DWORD warningPeriod = 5000;

    CShowController();

    const ScreenContent& Content() const { return content; }

    // An operator's command (see KeyMap): every one but the help's own and quitting takes the help
    // away first. A pattern gets its standard parameters, the status as its label (or for a moment its
    // own note), and stops a timed run; an arrow or Home steps the parameters of a pattern that has
    // them, and the label says what is shown now; A starts a timed run of runSeconds or stops it.
    Answer Execute(const KeyCommand& command, Time now);
    // Every pattern the operator can choose in turn from the table's entry `first` on, `seconds` each,
    // its name as a label of a moment at each step; round and round until stopped.
    Answer StartRun(int seconds, size_t first, Time now);
    bool Running() const { return running; }
    // Calibration software's picture wins over a timed run and the help; nothing lies over it.
    Answer ShowRemotePatch(const RemotePatch& patch);
    // Where the connection stands: the label whenever no label of a moment is up.
    Answer ShowStatus(const std::wstring& text);
    Answer ShowIgnored(const std::wstring& why, Time now);
    // The screens have changed; those whose numbers (from 1) are given are new or of a new size, and
    // say for warningPeriod whether their monitor is not at its native mode.
    Answer ScreensChanged(const std::vector<int>& resized, Time now);

    // The screens have shown the content at `now`: a label of a moment put up since the last time stays
    // its whole period from now on (a first drawing can take a while, a swap chain being made).
    void Shown(Time now);
    // The time has come on: a label of a moment goes, a timed run steps.
    Answer Tick(Time now);
    // When Tick is wanted next; false while nothing waits for the time.
    bool NextTick(Time& when) const;

    // The period of a timed run that A starts (s).
    int runSeconds;

  private:
    Answer ShowPattern(PatternMode mode, Time now);
    Answer Step(WPARAM virtualKey, bool fine, Time now);
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
