#pragma once
#include <windows.h>

// How many bits per colour reach a monitor, where the system says so (DXGI 1.6: Windows 10 1803 and
// later); 0 where it does not. dxgi.dll is loaded at run time: a system without it answers 0 too. The
// answers are kept until ForgetOutputDepths (a change of the display's format may change them).
int OutputBitsPerColor(HMONITOR monitor);
void ForgetOutputDepths();
