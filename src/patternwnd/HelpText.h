#pragma once
#include "ScreenContent.h"
#include <windows.h>
#include <string>
#include <vector>

// Which screen this is, as the help overlay's first lines say it: "Screen N of M" (N from 1, in the
// program's order of the screens), with "primary" where it is; its size and place on the desktop; its
// bits per pixel and refresh rate; how many bits per colour reach its monitor.
std::vector<std::wstring> IdentityLines(const ScreenDescription& screen, const RECT& rect);
