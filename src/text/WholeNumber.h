#pragma once
#include <string_view>

// Reads a whole decimal number from `lowest` to `highest` that is the whole text: digits only, no sign,
// no space before or after. False, with `value` untouched, for anything else.
bool ReadWholeNumber(std::string_view text, int lowest, int highest, int& value);
