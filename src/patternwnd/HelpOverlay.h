#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Paints the lines of the help overlay (a tab starts a second column) in a dark box with light text,
// centred in a width x height window. The font grows with the screen and shrinks where the box would
// not fit.
void PaintHelpOverlay(HDC dc, int width, int height, const std::vector<std::wstring>& lines);
// The height of the overlay's text for these lines in a width x height window.
int HelpFontHeight(HDC dc, int width, int height, const std::vector<std::wstring>& lines);
// The box the overlay paints for these lines in a width x height window (it paints nothing outside).
RECT HelpBox(HDC dc, int width, int height, const std::vector<std::wstring>& lines);
