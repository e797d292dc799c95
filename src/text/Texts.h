#pragma once
#include "TextIds.h"
#include <windows.h>
#include <initializer_list>
#include <string>

// The operator's texts come from the program's string tables, as UTF-16, in the language chosen here
// (English until told otherwise). A text missing from the table reads as "#" and its number, so that
// a gap shows where it is rather than as nothing.
void SetTextLanguage(LANGID language);
LANGID TextLanguage();
// The user's own language for the texts: Japanese where the user's interface language is Japanese,
// English otherwise (and where the system cannot tell).
LANGID UserTextLanguage();

std::wstring LoadText(UINT id);
// The text with %1 ... %9 replaced by the arguments in order; a % before anything else stays as it is.
std::wstring FormatText(UINT id, std::initializer_list<std::wstring> arguments);
std::wstring FormatString(const std::wstring& pattern, std::initializer_list<std::wstring> arguments);

// Text of the system's code page (the command line's words, host names) as UTF-16.
std::wstring Widen(const std::string& text);
// A whole number as UTF-16 text.
std::wstring Number(long long value);
