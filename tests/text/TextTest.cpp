// The one number reader, the texts' placeholders, and every numbered text in the string table.
#include "Texts.h"
#include "WholeNumber.h"
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <string>

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

// Every text the program has a number for is in the string table: read from the numbers' own header.
TEST(Texts, EveryNumberedTextIsInTheTable) {
    std::ifstream header(TESSARYN_SOURCE_DIR "/src/text/TextIds.h");
    ASSERT_TRUE(header.is_open());
    const std::regex definition("#define (IDS_[A-Z_0-9]+) ([0-9]+)");
    int texts = 0;
    for (std::string line; std::getline(header, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, definition))
            continue;
        ++texts;
        const std::wstring text = LoadText(static_cast<UINT>(std::stoi(m[2])));
        EXPECT_FALSE(text.empty() || text[0] == L'#') << m[1];
    }
    EXPECT_GT(texts, 50);
}

} // namespace
