// The one number reader, the texts' placeholders, and every numbered text in the string table.
#include "Texts.h"
#include "WholeNumber.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <iterator>
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
    } cases[] = {{"0", 0, 5, true, 0},
                 {"5", 1, 5, true, 5},
                 {"007", 1, 64, true, 7},
                 {"65535", 1, 65535, true, 65535},
                 {"65536", 1, 65535, false, 0},
                 {"0", 1, 64, false, 0},
                 {"", 0, 9, false, 0},
                 {" 5", 0, 9, false, 0},
                 {"5 ", 0, 9, false, 0},
                 {"+5", 0, 9, false, 0},
                 {"-5", -9, 9, false, 0},
                 {"5x", 0, 9, false, 0},
                 {"0x10", 0, 99, false, 0},
                 {"1,5", 0, 99, false, 0},
                 {"99999999999", 0, 2147483647, false, 0},
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

// Texts without a word to translate: a key's name, a unit, a format of numbers and names.
const char* const wordlessTexts[] = {"IDS_REFRESH_RATE", "IDS_KEYS_HOME",        "IDS_KEYS_RUN",
                                     "IDS_LEVEL_LABEL",  "IDS_UNIFORMITY_LABEL", "IDS_MONITOR_NO_NAME"};

// Whether a text has a character of Japanese writing: its punctuation, kana, kanji, a full-width form.
bool HasJapanese(const std::wstring& text) {
    for (wchar_t c : text)
        if ((c >= 0x3001 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF60))
            return true;
    return false;
}

bool HasLetter(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(),
                       [](wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; });
}

std::string Narrow(const std::wstring& text) {
    std::string ascii;
    for (wchar_t c : text)
        ascii += c < 0x80 ? static_cast<char>(c) : '?';
    return ascii;
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
        // A text of words is translated: its Japanese differs from the English and has kana or kanji
        // (or, like the arrows' names, no letter at all). Only key names, units and formats of numbers
        // may read the same in both.
        const bool wordless = std::find(std::begin(wordlessTexts), std::end(wordlessTexts), number.first) !=
                              std::end(wordlessTexts);
        EXPECT_TRUE(wordless || (ja != en && (HasJapanese(ja) || !HasLetter(ja))))
            << number.first << " left in English: " << Narrow(ja);
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
