// What the screens show and how it changes with commands and time; no window, no clock.
#include "ShowController.h"
#include "PatternTable.h"
#include "Texts.h"
#include <algorithm>

namespace {

// Whether a moment has come, on a clock that wraps round.
bool Due(DWORD moment, DWORD now) {
    return static_cast<LONG>(now - moment) >= 0;
}

} // namespace

CShowController::CShowController()
    : runSeconds(10), labelUp(false), labelNew(false), labelUntil(0), running(false), runPeriod(0),
      runEntry(0), nextStep(0) {
    content.mode = patternLevelRampChart;
}

CShowController::Answer CShowController::Execute(const KeyCommand& command, Time now) {
    Answer answer;
    switch (command.command) {
    case Command::none:
        return answer;
    case Command::quit:
        answer.quit = true;
        return answer;
    case Command::help:
        content.overlay = !content.overlay;
        answer.update = Update::show;
        answer.focus = true;
        return answer;
    default:
        break;
    }
    // Any other command takes the help away first, then does what it always does.
    if (content.overlay) {
        content.overlay = false;
        answer.update = Update::show;
    }
    Answer done;
    switch (command.command) {
    case Command::pattern:
        running = false;
        done = ShowPattern(command.pattern->mode, now);
        break;
    case Command::step:
        done = Step(command.key, command.fine, now);
        break;
    case Command::timedRun:
        if (running)
            running = false;
        else
            done = StartRun(runSeconds, 0, now);
        break;
    default: // a character that means nothing; a click the frame's cycle takes
        break;
    }
    if (done.update != Update::none)
        answer = done;
    answer.focus = answer.update != Update::none;
    return answer;
}

CShowController::Answer CShowController::ShowPattern(PatternMode mode, Time now) {
    labelUp = false;
    // Patterns that take turns on a key with the same parameters (the motion tests and their speed) keep
    // them from one to the next; any other change of pattern starts from the standard ones.
    const PatternEntry *was = FindPattern(content.mode), *entry = FindPattern(mode);
    const bool keep = was != nullptr && entry != nullptr && entry->steps != nullptr && was->steps == entry->steps &&
                      was->key == entry->key && was != entry;
    content.mode = mode;
    if (!keep)
        content.params = StandardParams(mode);
    SetLabel(status);
    if (entry != nullptr && entry->note != 0)
        ShowLabel(LoadText(entry->note), now, true);
    Answer answer;
    answer.update = Update::redraw;
    answer.focus = true;
    answer.cyclePosition = CyclePosition(mode);
    return answer;
}

CShowController::Answer CShowController::Step(WPARAM virtualKey, bool fine, Time now) {
    const PatternEntry* shown = FindPattern(content.mode);
    if (shown == nullptr || shown->steps == nullptr ||
        !StepParams(*shown->steps, virtualKey, fine, content.params))
        return Answer();
    ShowLabel(shown->steps->label(content.params), now);
    Answer answer;
    answer.update = Update::show;
    return answer;
}

CShowController::Answer CShowController::StartRun(int seconds, size_t first, Time now) {
    running = true;
    runPeriod = static_cast<DWORD>(seconds) * 1000;
    runEntry =
        first < patternCount && InTimedRun(patternTable[first]) ? first : NextInRun(first % patternCount);
    ShowRunStep(now);
    nextStep = now + runPeriod;
    Answer answer;
    answer.update = Update::redraw;
    answer.focus = true;
    answer.cyclePosition = CyclePosition(content.mode);
    return answer;
}

// Each step is a pattern change: standard parameters, drawn afresh.
void CShowController::ShowRunStep(Time now) {
    const PatternEntry& entry = patternTable[runEntry];
    ShowPattern(entry.mode, now);
    ShowLabel(LoadText(entry.name), now);
}

CShowController::Answer CShowController::ShowRemotePatch(const RemotePatch& patch) {
    running = false;
    labelUp = false;
    status.clear();
    content.mode = patternRemote;
    content.params = StandardParams(patternRemote);
    content.params.remote = patch;
    SetLabel(std::wstring());
    content.overlay = false;
    Answer answer;
    answer.update = Update::show;
    answer.focus = true;
    return answer;
}

CShowController::Answer CShowController::ShowStatus(const std::wstring& text) {
    status = text;
    labelUp = false;
    SetLabel(status);
    Answer answer;
    answer.update = Update::show;
    return answer;
}

CShowController::Answer CShowController::ShowIgnored(const std::wstring& why, Time now) {
    ShowLabel(FormatText(IDS_IGNORED, {why}), now);
    Answer answer;
    answer.update = Update::show;
    return answer;
}

CShowController::Answer CShowController::ScreensChanged(const std::vector<int>& resized, Time now) {
    for (int number : resized) {
        bool known = false;
        for (auto& warning : warnings)
            if (warning.first == number) {
                warning.second = now + warningPeriod;
                known = true;
            }
        if (!known)
            warnings.push_back({number, now + warningPeriod});
    }
    ListWarned();
    Answer answer;
    answer.update = resized.empty() ? Update::none : Update::show;
    answer.focus = true;
    return answer;
}

void CShowController::ListWarned() {
    content.warned.clear();
    for (const auto& warning : warnings)
        content.warned.push_back(warning.first);
}

void CShowController::SetLabel(const std::wstring& text, bool outputNote) {
    content.label = text;
    content.outputNote = outputNote;
}

void CShowController::ShowLabel(const std::wstring& text, Time now, bool outputNote) {
    SetLabel(text, outputNote);
    labelUp = true;
    labelNew = true;
    // A new label restarts the wait: it stays labelPeriod after the last step.
    labelUntil = now + labelPeriod;
}

void CShowController::Shown(Time now) {
    if (labelUp && labelNew && static_cast<LONG>(now + labelPeriod - labelUntil) > 0)
        labelUntil = now + labelPeriod;
    labelNew = false;
}

CShowController::Answer CShowController::Tick(Time now) {
    Answer answer;
    if (running && Due(nextStep, now)) {
        runEntry = NextInRun(runEntry);
        ShowRunStep(now);
        nextStep += runPeriod;
        if (Due(nextStep, now)) // far behind: the next step one period from now
            nextStep = now + runPeriod;
        // The run's next pattern takes the focus as every change of pattern does.
        answer.update = Update::redraw;
        answer.focus = true;
        answer.cyclePosition = CyclePosition(content.mode);
    }
    if (labelUp && Due(labelUntil, now)) {
        labelUp = false;
        SetLabel(status);
        if (answer.update == Update::none)
            answer.update = Update::show;
    }
    const size_t warned = warnings.size();
    warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                  [now](const std::pair<int, Time>& w) { return Due(w.second, now); }),
                   warnings.end());
    if (warnings.size() != warned) {
        ListWarned();
        if (answer.update == Update::none)
            answer.update = Update::show;
    }
    return answer;
}

bool CShowController::NextTick(Time& when) const {
    bool any = false;
    auto earliest = [&](Time moment) {
        if (!any || static_cast<LONG>(moment - when) < 0)
            when = moment;
        any = true;
    };
    if (running)
        earliest(nextStep);
    if (labelUp)
        earliest(labelUntil);
    for (const auto& warning : warnings)
        earliest(warning.second);
    return any;
}
