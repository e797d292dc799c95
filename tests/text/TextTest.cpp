// The one number reader, the texts' placeholders, and every numbered text in the string table.
#include "Texts.h"
#include "WholeNumber.h"
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(WholeNumber, DigitsOnlyWithinTheRangeAndNothingElse) {
    const struct {
        const char* text;
        int lowest, highest;
        bool good;
        int value;
    } cases[] = {{"0", 0, 5, true, 0},          {"5", 1, 5, true, 5},          {"007", 1, 64, true, 7},
                 {"65535", 1, 65535, true, 65535}, {"65536", 1, 65535, false, 0}, {"0", 1, 64, false, 0},
                 {"", 0, 9, false, 0},          {" 5", 0, 9, false, 0},        {"5 ", 0, 9, false, 0},
                 {"+5", 0, 9, false, 0},        {"-5", -9, 9, false, 0},       {"5x", 0, 9, false, 0},
                 {"0x10", 0, 99, false, 0},     {"1,5", 0, 99, false, 0},      {"99999999999", 0, 2147483647, false, 0},
                 {"2147483647", 0, 2147483647, true, 2147483647}};
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(ReadWholeNumber(c.text, c.lowest, c.highest, value), c.good) << '"' << c.text << '"';
        EXPECT_EQ(value, c.good ? c.value : -1) << '"' << c.text << "\": a bad number leaves the value";
    }
}

TEST(Texts, PlaceholdersAreFilledInOrderAndAnyOtherPercentStays) {
    EXPECT_EQ(FormatString(L"%1% (%2)", {L"50", L"128"}), L"50% (128)");
    EXPECT_EQ(FormatString(L"%2 before %1", {L"a", L"b"}), L"b before a");
    EXPECT_EQ(FormatString(L"%3 and 100%", {L"a"}), L"%3 and 100%") << "a missing argument stays visible";
    EXPECT_EQ(FormatString(L"%1%1%", {L"x"}), L"xx%");
    EXPECT_EQ(FormatText(IDS_PATCH_LABEL, {L"50% (128)", L"10"}), L"50% (128) \u00B7 10% window");
    EXPECT_EQ(LoadText(999), L"#999") << "a missing text shows its number";
}

// The numbers of the operator's texts, read from their own header.
std::vector<std::pair<std::string, UINT>> TextNumbers() {
    std::ifstream header(TESSARYN_SOURCE_DIR "/src/text/TextIds.h");
    const std::regex definition("#define (IDS_[A-Z_0-9]+) ([0-9]+)");
    std::vector<std::pair<std::string, UINT>> numbers;
    for (std::string line; std::getline(header, line);) {
        std::smatch m;
        if (std::regex_match(line, m, definition))
            numbers.push_back({m[1], static_cast<UINT>(std::stoi(m[2]))});
    }
    return numbers;
}

// Every text the program has a number for is in both tables: a Japanese text missing is a failure here,
// not an English one found later on a screen.
TEST(Texts, EveryNumberedTextIsInBothTables) {
    const auto numbers = TextNumbers();
    EXPECT_GT(numbers.size(), 80u);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                 japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    for (const auto& number : numbers) {
        SetTextLanguage(english);
        const std::wstring en = LoadText(number.second);
        SetTextLanguage(japanese);
        const std::wstring ja = LoadText(number.second);
        EXPECT_FALSE(en.empty() || en[0] == L'#') << number.first << " in English";
        EXPECT_FALSE(ja.empty() || ja[0] == L'#') << number.first << " in Japanese";
        // The placeholders a text fills are the same in both.
        for (wchar_t digit = L'1'; digit <= L'9'; ++digit) {
            const std::wstring placeholder = std::wstring(1, L'%') + digit;
            EXPECT_EQ(en.find(placeholder) != std::wstring::npos, ja.find(placeholder) != std::wstring::npos)
                << number.first << " " << static_cast<char>(digit);
        }
    }
    SetTextLanguage(english);
}

} // namespace
