#pragma once
#include <windows.h>

class CAppBase;

using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
using AppFactory = CAppBase* (*)(HINSTANCE instance);

// The whole of WinMain: makes the application object, runs it and deletes it. Any std::exception on
// the way is shown in one error box captioned "Tessaryn - Top level exception handler" and gives 1.
int RunApplication(HINSTANCE instance, const char* commandLine, int showCommand, AppFactory makeApp,
                   MessageBoxFunction showBox);
