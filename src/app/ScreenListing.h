#pragma once
#include "ScreenLayout.h"
#include <windows.h>
#include <string>

// The screens as /list gives them to scripts: a line of field names, then a line a screen, numbered as
// /screens takes them; fields separated by tabs, empty where unknown, CRLF line ends, UTF-8. Fields and
// values are the same in every language.
std::string ScreenListing(const ScreenLayout& layout);

// Writes the listing to the standard output where that is a file or a pipe; elsewhere (a program
// started from Explorer has none) shows it in a message box.
using ListingBox = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);
void GiveScreenListing(const std::string& listing, ListingBox box);
