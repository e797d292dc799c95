#pragma once
#include "ScreenDetails.h"
#include <windows.h>
#include <string>
#include <vector>

// The lines of the help overlay. Each is "KEY\tTEXT" or plain text; the overlay puts what follows a
// tab in a second column.

// Which screen this is: "Screen N of M" (N from 1, in the program's order of the screens), with
// "primary" where it is; its size and place on the desktop; its bits per pixel and refresh rate.
std::vector<std::string> IdentityLines(int number, int count, const RECT& rect, const ScreenDetails& details);
// Every key and click: the patterns' in the order of the pattern table, then the others.
std::vector<std::string> KeyLines();
