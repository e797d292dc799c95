#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The windows of this thread with the given class name (hidden ones too).
std::vector<HWND> ThreadWindows(const std::string& className);

// Forgets the program's two window classes, so the next test can register them again.
void UnregisterProgramClasses();
