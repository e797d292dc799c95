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
    : labelUp(false), labelNew(false), labelUntil(0), running(false), runPeriod(0), runEntry(0), nextStep(0) {
    content.mode = patternLevelRampChart;
}

CShowController::Update CShowController::ShowPattern(PatternMode mode, Time now) {
    labelUp = false;
    content.mode = mode;
    content.params = StandardParams(mode);
    SetLabel(status);
    const PatternEntry* entry = FindPattern(mode);
    if (entry != nullptr && entry->note != 0)
        ShowLabel(LoadText(entry->note), now, true);
    return Update::redraw;
}

CShowController::Update CShowController::Step(WPARAM virtualKey, bool fine, Time now) {
    const PatternEntry* shown = FindPattern(content.mode);
    if (shown == nullptr || shown->steps == nullptr || !StepParams(*shown->steps, virtualKey, fine, content.params))
        return Update::none;
    ShowLabel(shown->steps->label(content.params), now);
    return Update::show;
}

CShowController::Update CShowController::ToggleHelp() {
    content.overlay = !content.overlay;
    return Update::show;
}

CShowController::Update CShowController::HideHelp() {
    return content.overlay ? ToggleHelp() : Update::none;
}

CShowController::Update CShowController::StartRun(int seconds, size_t first, Time now) {
    running = true;
    runPeriod = static_cast<DWORD>(seconds) * 1000;
    runEntry = first < patternCount && Choosable(patternTable[first]) ? first : NextChoosable(first % patternCount);
    ShowRunStep(now);
    nextStep = now + runPeriod;
    return Update::redraw;
}

void CShowController::StopRun() {
    running = false;
}

// Each step is a pattern change: standard parameters, drawn afresh.
void CShowController::ShowRunStep(Time now) {
    const PatternEntry& entry = patternTable[runEntry];
    ShowPattern(entry.mode, now);
    ShowLabel(LoadText(entry.name), now);
}

CShowController::Update CShowController::ShowRemotePatch(const RemotePatch& patch) {
    running = false;
    labelUp = false;
    status.clear();
    content.mode = patternRemote;
    content.params = StandardParams(patternRemote);
    content.params.remote = patch;
    SetLabel(std::wstring());
    content.overlay = false;
    return Update::show;
}

CShowController::Update CShowController::ShowStatus(const std::wstring& text) {
    status = text;
    labelUp = false;
    SetLabel(status);
    return Update::show;
}

CShowController::Update CShowController::ShowIgnored(const std::wstring& why, Time now) {
    ShowLabel(FormatText(IDS_IGNORED, {why}), now);
    return Update::show;
}

CShowController::Update CShowController::WarnScreens(const std::vector<int>& numbers, Time now) {
    for (int number : numbers) {
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
    return numbers.empty() ? Update::none : Update::show;
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

CShowController::Update CShowController::Tick(Time now) {
    Update update = Update::none;
    if (running && Due(nextStep, now)) {
        runEntry = NextChoosable(runEntry);
        ShowRunStep(now);
        nextStep += runPeriod;
        if (Due(nextStep, now)) // far behind: the next step one period from now
            nextStep = now + runPeriod;
        update = Update::redraw;
    }
    if (labelUp && Due(labelUntil, now)) {
        labelUp = false;
        SetLabel(status);
        if (update == Update::none)
            update = Update::show;
    }
    const size_t warned = warnings.size();
    warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                  [now](const std::pair<int, Time>& w) { return Due(w.second, now); }),
                   warnings.end());
    if (warnings.size() != warned) {
        ListWarned();
        if (update == Update::none)
            update = Update::show;
    }
    return update;
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
