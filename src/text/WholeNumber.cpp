// The one reader of whole numbers: command line, render tool, ports and protocol attributes.
#include "WholeNumber.h"
#include <charconv>

bool ReadWholeNumber(std::string_view text, int lowest, int highest, int& value) {
    // from_chars would take a minus sign; nothing but a digit may begin the number.
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return false;
    int read = 0;
    const char* end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, read);
    if (result.ec != std::errc() || result.ptr != end || read < lowest || read > highest)
        return false;
    value = read;
    return true;
}
