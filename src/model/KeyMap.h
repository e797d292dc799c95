#pragma once
#include "PatternMode.h"
#include "PatternTable.h"
#include <windows.h>
#include <string>
#include <vector>

// The one place where keys and clicks become commands, and the help's list of them.
enum class Command {
    none,     // the key means nothing
    quit,     // Esc, Space, a right or middle click
    pattern,  // a pattern's key: `pattern` says which
    next,     // a left click: the next chart of the cycle
    step,     // an arrow or Home: `key` steps the shown pattern's parameters
    help,     // F1, H or ?: the help overlay on or off
    timedRun, // A: a timed run starts or stops
};

struct KeyCommand {
    Command command;
    const PatternEntry* pattern;
    WPARAM key;
};

// A character (WM_CHAR's low byte) while `shown` is on the screens: keys shared by patterns take turns.
KeyCommand CommandForChar(char ch, PatternMode shown);
// A key without a character (WM_KEYDOWN's virtual-key code).
KeyCommand CommandForKey(WPARAM virtualKey);
// A mouse button going down (WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN).
KeyCommand CommandForClick(UINT message);

// Every key and click as the help overlay lists them ("KEYS\tWHAT THEY DO"): the patterns' keys in the
// order of the pattern table, then the others.
std::vector<std::wstring> KeyLines();
