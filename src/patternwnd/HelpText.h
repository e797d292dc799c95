#pragma once
#include "ScreenDescription.h"
#include <windows.h>
#include <string>
#include <vector>

// Which screen this is, as the help overlay's first lines say it: "Screen N of M" (N from 1, in the
// program's order of the screens), with "primary" where it is; its size and place on the desktop; its
// bits per pixel and refresh rate; how many bits per colour reach its monitor; the monitor as its EDID
// names it (or "monitor unknown"): name, maker and product, serial, native mode, size and pixels per
// inch; and, where it is not at its native mode, the warning.
std::vector<std::wstring> IdentityLines(const ScreenDescription& screen, const RECT& rect);
// The warning of a monitor not at its native mode on a screen of this size; empty where it is (or
// nothing is known of it). It may hold a line break.
std::wstring NativeModeWarning(const EdidFacts& edid, int width, int height);
// Everything the help box says on a screen: which screen it is, and on the first screen (which has the
// keyboard) every key, after an empty line.
std::vector<std::wstring> HelpLines(const ScreenDescription& screen, const RECT& rect, bool withKeys);
