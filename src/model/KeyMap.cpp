// Keys and clicks to commands, and the help's list of keys made from the same tables.
#include "KeyMap.h"
#include "Texts.h"

namespace {

const struct {
    char ch;
    Command command;
} characters[] = {{27, Command::quit},     {' ', Command::quit}, {'h', Command::help},
                  {'H', Command::help},    {'?', Command::help}, {'a', Command::timedRun},
                  {'A', Command::timedRun}};

const struct {
    WPARAM key;
    Command command;
} keys[] = {{VK_F1, Command::help},   {VK_UP, Command::step},    {VK_DOWN, Command::step},
            {VK_LEFT, Command::step}, {VK_RIGHT, Command::step}, {VK_HOME, Command::step}};

const struct {
    UINT message;
    Command command;
} clicks[] = {
    {WM_LBUTTONDOWN, Command::next}, {WM_RBUTTONDOWN, Command::quit}, {WM_MBUTTONDOWN, Command::quit}};

// The help's lines for the keys above, after the patterns' own; %1 in a text is the names of the
// patterns with parameters, or the length of the cycle.
const struct {
    UINT keys, help;
} helpLines[] = {{IDS_KEYS_UP_DOWN, IDS_HELP_UP_DOWN}, {IDS_KEYS_LEFT_RIGHT, IDS_HELP_LEFT_RIGHT},
                 {IDS_KEYS_HOME, IDS_HELP_HOME},       {IDS_KEYS_SPEED, IDS_HELP_SPEED},
                 {IDS_KEYS_RUN, IDS_HELP_RUN},
                 {IDS_KEYS_CLICK, IDS_HELP_CLICK},     {IDS_KEYS_HELP, IDS_HELP_HELP},
                 {IDS_KEYS_QUIT, IDS_HELP_QUIT}};

} // namespace

KeyCommand CommandForChar(char ch, PatternMode shown) {
    for (const auto& c : characters)
        if (c.ch == ch)
            return {c.command};
    if (const PatternEntry* pattern = PatternForKey(ch, shown))
        return CommandForPattern(pattern->mode);
    return {Command::dismiss};
}

KeyCommand CommandForKey(WPARAM virtualKey, bool shift) {
    for (const auto& k : keys)
        if (k.key == virtualKey)
            return {k.command, nullptr, -1, virtualKey, shift};
    return {Command::none};
}

KeyCommand CommandForClick(UINT message) {
    for (const auto& c : clicks)
        if (c.message == message)
            return {c.command};
    return {Command::none};
}

KeyCommand CommandForPattern(PatternMode mode) {
    const PatternEntry* entry = FindPattern(mode);
    return entry != nullptr ? KeyCommand{Command::pattern, entry, CyclePosition(mode)}
                            : KeyCommand{Command::none};
}

std::vector<std::wstring> KeyLines() {
    std::vector<std::wstring> lines;
    std::vector<char> listed;
    std::wstring stepped;
    for (size_t i = 0; i < patternCount; ++i) {
        const PatternEntry& entry = patternTable[i];
        if (!Choosable(entry))
            continue;
        const std::wstring name = LoadText(entry.name);
        if (entry.steps != nullptr && !entry.steps->sizeOnly)
            stepped += (stepped.empty() ? L"" : LoadText(IDS_KEY_AND)) + name;
        // A key shared by several patterns shows them in turn: one line says so.
        bool known = false;
        for (size_t k = 0; k < listed.size(); ++k)
            if (listed[k] == entry.key) {
                lines[k] += FormatText(IDS_KEY_AGAIN, {name});
                known = true;
            }
        if (!known) {
            listed.push_back(entry.key);
            lines.push_back(std::wstring(1, static_cast<wchar_t>(entry.key)) + L"\t" + name);
        }
    }
    for (const auto& line : helpLines) {
        const std::wstring what = line.help == IDS_HELP_CLICK ? Number(CycleLength()) : stepped;
        lines.push_back(LoadText(line.keys) + L"\t" + FormatText(line.help, {what}));
    }
    lines.push_back(LoadText(IDS_HELP_FLICKER)); // a line of its own, across both columns
    return lines;
}
