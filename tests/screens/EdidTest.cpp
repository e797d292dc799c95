// EDIDs good and bad, and whether a screen shows its monitor's native mode.
#include "Edid.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The facts an EDID is built from here, as a monitor's maker writes them.
struct Monitor {
    const char* maker;
    unsigned product;
    unsigned long number;
    const char* name;   // null: no name descriptor
    const char* serial; // null: no serial descriptor
    int width, height;  // the first detailed timing's picture (for an interlaced one: the frame)
    bool interlaced;
    int hBlank, vBlank, clock; // clock in 10 kHz
    int widthMm, heightMm;
    int version; // 3 or 4: EDID 1.3 or 1.4
};

void Descriptor(std::vector<unsigned char>& b, int at, unsigned char tag, const char* text) {
    b[at + 3] = tag;
    std::string t(text);
    t = t.substr(0, 13);
    if (t.size() < 13)
        t += '\n';
    while (t.size() < 13)
        t += ' ';
    for (int i = 0; i < 13; ++i)
        b[at + 5 + i] = static_cast<unsigned char>(t[i]);
}

std::vector<unsigned char> Build(const Monitor& m) {
    std::vector<unsigned char> b(128, 0);
    const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(header, header + 8, b.begin());
    const unsigned code = ((m.maker[0] - 'A' + 1) << 10) | ((m.maker[1] - 'A' + 1) << 5) | (m.maker[2] - 'A' + 1);
    b[8] = static_cast<unsigned char>(code >> 8);
    b[9] = static_cast<unsigned char>(code);
    b[10] = static_cast<unsigned char>(m.product);
    b[11] = static_cast<unsigned char>(m.product >> 8);
    for (int i = 0; i < 4; ++i)
        b[12 + i] = static_cast<unsigned char>(m.number >> (8 * i));
    b[18] = 1;
    b[19] = static_cast<unsigned char>(m.version);
    const int lines = m.interlaced ? m.height / 2 : m.height;
    unsigned char* d = &b[54];
    d[0] = static_cast<unsigned char>(m.clock);
    d[1] = static_cast<unsigned char>(m.clock >> 8);
    d[2] = static_cast<unsigned char>(m.width);
    d[3] = static_cast<unsigned char>(m.hBlank);
    d[4] = static_cast<unsigned char>(((m.width >> 8) << 4) | (m.hBlank >> 8));
    d[5] = static_cast<unsigned char>(lines);
    d[6] = static_cast<unsigned char>(m.vBlank);
    d[7] = static_cast<unsigned char>(((lines >> 8) << 4) | (m.vBlank >> 8));
    d[12] = static_cast<unsigned char>(m.widthMm);
    d[13] = static_cast<unsigned char>(m.heightMm);
    d[14] = static_cast<unsigned char>(((m.widthMm >> 8) << 4) | (m.heightMm >> 8));
    d[17] = m.interlaced ? 0x80 : 0x18;
    int at = 72;
    if (m.name != nullptr) {
        Descriptor(b, at, 0xFC, m.name);
        at += 18;
    }
    if (m.serial != nullptr)
        Descriptor(b, at, 0xFF, m.serial);
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i)
        sum += b[i];
    b[127] = static_cast<unsigned char>((256 - sum % 256) % 256);
    return b;
}

TEST(Edid, GoodOnesOfEveryKindSayWhatTheMonitorIs) {
    const struct {
        Monitor monitor;
        EdidFacts expected;
    } cases[] = {
        // A 4K monitor, EDID 1.4, name and serial text: 3840 x 2160 at 60 Hz (533.25 MHz, 4000 x 2222).
        {{"DEL", 0xA0B1, 0, "DELL U2720Q", "ABC1234", 3840, 2160, false, 160, 62, 53325, 597, 336, 4},
         {true, "DEL", 0xA0B1, "ABC1234", "DELL U2720Q", 3840, 2160, 6000, 597, 336}},
        // A laptop panel, EDID 1.3, no name, a numeric serial only.
        {{"LGD", 0x02E3, 305419896UL, nullptr, nullptr, 1366, 768, false, 160, 22, 7220, 344, 193, 3},
         {true, "LGD", 0x02E3, "305419896", "", 1366, 768, 5989, 344, 193}},
        // Interlaced 1080i: 540 lines a field, the frame twice as high; the field rate.
        {{"SAM", 0x0F00, 0, "SAMSUNG", nullptr, 1920, 1080, true, 280, 22, 7425, 1600, 900, 3},
         {true, "SAM", 0x0F00, "", "SAMSUNG", 1920, 1080, 6005, 1600, 900}},
        // A name of 13 characters fills the descriptor; a serial descriptor wins over the number.
        {{"AAA", 0xFFFF, 7, "Thirteen Char", "SN", 1024, 768, false, 320, 38, 6500, 300, 230, 4},
         {true, "AAA", 0xFFFF, "SN", "Thirteen Char", 1024, 768, 6000, 300, 230}},
        // Control bytes in a name read as '?'.
        {{"ZZZ", 0x0001, 0, "Bad\x01Name\x7F", nullptr, 800, 600, false, 256, 28, 4000, 0, 0, 4},
         {true, "ZZZ", 0x0001, "", "Bad?Name?", 800, 600, 6032, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.monitor.maker);
        const EdidFacts got = ReadEdid(Build(c.monitor));
        EXPECT_TRUE(got.known);
        EXPECT_EQ(got.maker, c.expected.maker);
        EXPECT_EQ(got.product, c.expected.product);
        EXPECT_EQ(got.serial, c.expected.serial);
        EXPECT_EQ(got.name, c.expected.name);
        EXPECT_EQ(got.nativeWidth, c.expected.nativeWidth);
        EXPECT_EQ(got.nativeHeight, c.expected.nativeHeight);
        EXPECT_EQ(got.refreshHundredths, c.expected.refreshHundredths);
        EXPECT_EQ(got.widthMm, c.expected.widthMm);
        EXPECT_EQ(got.heightMm, c.expected.heightMm);
        // Extension blocks behind the base block change nothing.
        std::vector<unsigned char> longer = Build(c.monitor);
        longer.resize(256, 0x42);
        EXPECT_TRUE(ReadEdid(longer) == got);
    }
}

TEST(Edid, BadOnesAreNotKnownAndTellNothing) {
    const Monitor fine = {"TST", 0x1234, 0, "Fine", nullptr, 1024, 768, false, 320, 38, 6500, 300, 230, 4};
    const std::vector<unsigned char> good = Build(fine);
    std::vector<unsigned char> checksum = good, noTiming = good, header = good;
    checksum[127] ^= 0x5A;
    noTiming[54] = noTiming[55] = 0; // the timing's clock 0: a descriptor, not a timing
    noTiming[127] = static_cast<unsigned char>(noTiming[127] + good[54] + good[55]);
    header[0] = 0x01;
    header[127] = static_cast<unsigned char>(header[127] - 1);
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
    } cases[] = {{"empty", {}},
                 {"127 bytes", std::vector<unsigned char>(good.begin(), good.begin() + 127)},
                 {"a bad checksum", checksum},
                 {"all zero", std::vector<unsigned char>(128, 0)},
                 {"all 0xFF", std::vector<unsigned char>(128, 0xFF)},
                 {"no detailed timing", noTiming},
                 {"a bad header", header}};
    EXPECT_TRUE(ReadEdid(good).known) << "the one they are spoiled from is good";
    for (const auto& c : cases) {
        const EdidFacts got = ReadEdid(c.bytes);
        EXPECT_FALSE(got.known) << c.what;
        EXPECT_TRUE(got == EdidFacts()) << c.what << ": nothing of it is kept";
    }
}

TEST(Edid, NativeOrNot) {
    EdidFacts panel;
    panel.known = true;
    panel.nativeWidth = 2560;
    panel.nativeHeight = 1440;
    const struct {
        int width, height;
        bool native;
    } screens[] = {{2560, 1440, true},  {1440, 2560, true},  {1920, 1080, false},
                   {1080, 1920, false}, {2560, 1600, false}, {3840, 2160, true}}; // last: a larger panel
    for (const auto& s : screens)
        EXPECT_EQ(AtNativeMode(panel, s.width, s.height), s.native) << s.width << "x" << s.height;
    EXPECT_TRUE(AtNativeMode(EdidFacts(), 800, 600)) << "of a monitor not known nothing is said";
}

} // namespace
