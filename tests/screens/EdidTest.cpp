// EDIDs good and bad, and whether a screen shows its monitor's native mode.
#include "Edid.h"
#include "HostileBytes.h"
#include <algorithm>
#include <cstdio>
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
    int version;                         // 3 or 4: EDID 1.3 or 1.4
    int laterWidth = 0, laterHeight = 0; // a second detailed timing after the first (0: none)
};

// A progressive detailed timing of that picture at 18-byte offset `at`, blanking 160 x 40.
void Timing(std::vector<unsigned char>& b, int at, int width, int height, int clock) {
    unsigned char* d = &b[at];
    d[0] = static_cast<unsigned char>(clock);
    d[1] = static_cast<unsigned char>(clock >> 8);
    d[2] = static_cast<unsigned char>(width);
    d[3] = 160;
    d[4] = static_cast<unsigned char>((width >> 8) << 4);
    d[5] = static_cast<unsigned char>(height);
    d[6] = 40;
    d[7] = static_cast<unsigned char>((height >> 8) << 4);
    d[17] = 0x18;
}

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
    const unsigned code =
        ((m.maker[0] - 'A' + 1) << 10) | ((m.maker[1] - 'A' + 1) << 5) | (m.maker[2] - 'A' + 1);
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
    if (m.laterWidth > 0) {
        Timing(b, at, m.laterWidth, m.laterHeight, 14850);
        at += 18;
    }
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
        // A second detailed timing (a smaller mode the monitor also takes): the first is the native one.
        {{"TWO", 0x0002, 0, "Two Timings", nullptr, 2560, 1440, false, 160, 41, 24150, 597, 336, 4, 1920,
          1080},
         {true, "TWO", 0x0002, "", "Two Timings", 2560, 1440, 5995, 597, 336}},
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
    } screens[] = {{2560, 1440, true},
                   {1440, 2560, true},
                   {1920, 1080, false},
                   {1080, 1920, false},
                   {2560, 1600, false},
                   // A panel larger than a timing can describe, in landscape and turned to portrait.
                   {3840, 2160, true},
                   {2160, 3840, true}};
    for (const auto& s : screens)
        EXPECT_EQ(AtNativeMode(panel, s.width, s.height), s.native) << s.width << "x" << s.height;
    EXPECT_TRUE(AtNativeMode(EdidFacts(), 800, 600)) << "of a monitor not known nothing is said";
}

// The checksum byte that makes a base block's bytes add up to 0 again.
void MendChecksum(std::vector<unsigned char>& b) {
    if (b.size() < 128)
        return;
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i)
        sum += b[i];
    b[127] = static_cast<unsigned char>((256 - sum % 256) % 256);
}

bool Printable(const std::string& text) {
    for (char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

// Whatever bytes a monitor (or a driver, or a registry) hands over: random ones, good ones with bytes
// changed (the checksum left wrong, or mended so the changes reach the reader), cut short or made longer.
// Each is either not known, with nothing of it kept, or known with every field within what its bytes
// can say.
TEST(Edid, HostileBytesGiveAnUnknownMonitorOrFieldsWithinTheirRules) {
    CHostileBytes hostile(100000);
    const std::vector<unsigned char> good[] = {
        Build({"DEL", 0xA0B1, 0, "DELL U2720Q", "ABC1234", 3840, 2160, false, 160, 62, 53325, 597, 336, 4}),
        Build({"SAM", 0x0F00, 0, "SAMSUNG", nullptr, 1920, 1080, true, 280, 22, 7425, 1600, 900, 3}),
        Build({"LGD", 0x02E3, 305419896UL, nullptr, nullptr, 1366, 768, false, 160, 22, 7220, 344, 193, 3})};
    unsigned known = 0;
    for (unsigned n = 0; n < hostile.count; ++n) {
        std::vector<unsigned char> b;
        const long long kind = hostile.Between(0, 6);
        if (kind == 0) { // random, with the header of an EDID and a good checksum half the time
            const std::string bytes = hostile.Bytes(static_cast<size_t>(hostile.Between(0, 300)));
            b.assign(bytes.begin(), bytes.end());
            if (b.size() >= 128 && hostile.Between(0, 1) == 1) {
                const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
                std::copy(header, header + 8, b.begin());
                MendChecksum(b);
            }
        } else {
            b = hostile.Flipped(good[hostile.Between(0, 2)], 8);
            if (kind >= 2)
                MendChecksum(b);
            if (kind == 4)
                b.resize(static_cast<size_t>(hostile.Between(0, 127)));
            if (kind == 5) {
                const std::string more = hostile.Bytes(static_cast<size_t>(hostile.Between(1, 1000)));
                b.insert(b.end(), more.begin(), more.end());
            }
            if (kind == 6) { // the first timing's clock and sizes pushed to their ends, the checksum mended
                const int clock = static_cast<int>(hostile.Between(0, 65535));
                b[54] = static_cast<unsigned char>(clock);
                b[55] = static_cast<unsigned char>(clock >> 8);
                int sides[4]; // active and blank across, active and blank down
                for (int& side : sides)
                    side = static_cast<int>(hostile.Between(0, 1) ? hostile.Between(0, 3)
                                                                  : hostile.Between(4090, 4095));
                b[56] = static_cast<unsigned char>(sides[0]);
                b[57] = static_cast<unsigned char>(sides[1]);
                b[58] = static_cast<unsigned char>(((sides[0] >> 8) << 4) | (sides[1] >> 8));
                b[59] = static_cast<unsigned char>(sides[2]);
                b[60] = static_cast<unsigned char>(sides[3]);
                b[61] = static_cast<unsigned char>(((sides[2] >> 8) << 4) | (sides[3] >> 8));
                MendChecksum(b);
            }
        }
        const EdidFacts e = ReadEdid(b);
        if (!e.known) {
            ASSERT_TRUE(e == EdidFacts()) << "case " << n << ": a monitor not known keeps nothing";
            continue;
        }
        ++known;
        ASSERT_GE(b.size(), 128u) << "case " << n;
        ASSERT_EQ(e.maker.size(), 3u) << "case " << n;
        for (char c : e.maker)
            ASSERT_TRUE((c >= 'A' && c <= 'Z') || c == '?') << "case " << n << ": maker " << e.maker;
        ASSERT_LE(e.product, 0xFFFFu) << "case " << n;
        for (const std::string* text : {&e.name, &e.serial}) {
            ASSERT_LE(text->size(), 13u) << "case " << n;
            ASSERT_TRUE(Printable(*text)) << "case " << n;
            ASSERT_TRUE(text->empty() || text->back() != ' ') << "case " << n;
        }
        // 12 bits a side; an interlaced frame twice a field's lines.
        ASSERT_TRUE(e.nativeWidth >= 0 && e.nativeWidth <= 4095) << "case " << n;
        ASSERT_TRUE(e.nativeHeight >= 0 && e.nativeHeight <= 2 * 4095) << "case " << n;
        ASSERT_TRUE(e.widthMm >= 0 && e.widthMm <= 4095 && e.heightMm >= 0 && e.heightMm <= 4095)
            << "case " << n;
        // At most 655.35 MHz over one pixel a frame; never a negative rate.
        ASSERT_GE(e.refreshHundredths, 0) << "case " << n;
        AtNativeMode(e, 1920, 1080); // any answer, but an answer
    }
    EXPECT_GT(known, hostile.count / 4) << "too few of the cases reached the reader";
    std::printf("%u EDIDs from seed %u, %u of them known\n", hostile.count,
                static_cast<unsigned>(hostile.seed), known);
}

} // namespace
