#pragma once
#include "PatternMode.h"
#include "PatternTable.h"
#include <windows.h>
#include <string>
#include <vector>

// The one place where keys and clicks become commands, and the help's list of them.
enum class Command {
    none,     // a key without a character that means nothing (Shift, Ctrl)
    dismiss,  // any other character: it only takes the help away
    quit,     // Esc, Space, a right or middle click
    pattern,  // a pattern's key: `pattern` says which, `position` its place in the click cycle (or -1)
    next,     // a left click: the next chart of the cycle
    step,     // an arrow or Home: `key` steps the shown pattern's parameters, `fine` with Shift
    help,     // F1, H or ?: the help overlay on or off
    timedRun, // A: a timed run starts or stops
};

struct KeyCommand {
    Command command;
    const PatternEntry* pattern = nullptr;
    int position = -1;
    WPARAM key = 0;
    bool fine = false;
};

// A character (WM_CHAR's low byte) while `shown` is on the screens: keys shared by patterns take turns.
KeyCommand CommandForChar(char ch, PatternMode shown);
// A key without a character (WM_KEYDOWN's virtual-key code), with Shift down or not.
KeyCommand CommandForKey(WPARAM virtualKey, bool shift);
// A mouse button going down (WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN).
KeyCommand CommandForClick(UINT message);
// The command that shows a pattern, as its key does (null where the mode has no entry).
KeyCommand CommandForPattern(PatternMode mode);

// Every key and click as the help overlay lists them ("KEYS\tWHAT THEY DO"): the patterns' keys in the
// order of the pattern table, then the others.
std::vector<std::wstring> KeyLines();
