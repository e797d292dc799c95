// The Resolve protocol's framing and messages, good and bad.
#include "Framed.h"
#include "RemotePatch.h"
#include "ResolveFraming.h"
#include "ResolveMessage.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(ResolveFraming, MessagesSplitAndJoinedAnyHowAndEveryBadLength) {
    const std::string stream = Framed("<a/>") + Framed(std::string(65536, 'x')) + Framed("<b/>");
    for (size_t piece : {size_t(1), size_t(3), size_t(4), size_t(5), size_t(4096), stream.size()}) {
        CResolveFraming framing;
        for (size_t at = 0; at < stream.size(); at += piece) {
            ASSERT_TRUE(framing.Feed(stream.data() + at, std::min(piece, stream.size() - at)));
            if (at + piece == 6) { // the length and two bytes of the first message
                EXPECT_TRUE(framing.Partial());
            }
        }
        EXPECT_FALSE(framing.Partial()) << piece;
        ASSERT_EQ(framing.messages.size(), 3u) << piece;
        EXPECT_EQ(framing.messages[0], "<a/>");
        EXPECT_EQ(framing.messages[1].size(), 65536u);
        EXPECT_EQ(framing.messages[2], "<b/>");
    }
    for (unsigned long length : {0ul, 65537ul, 0x01000000ul, 0xFFFFFFFFul}) {
        CResolveFraming framing;
        const std::string bad = Framed("<a/>") + Framed("", length);
        EXPECT_FALSE(framing.Feed(bad.data(), bad.size())) << length;
        EXPECT_EQ(framing.messages.size(), 1u) << "what came before stands";
    }
}

std::string Repeated(const std::string& piece, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

TEST(ResolveMessage, BothFormsAndEveryKindOfBadMessage) {
    const struct {
        const char* xml;
        RemotePatch expected;
    } good[] = {
        {"<calibration><color red=\"512\" green=\"512\" blue=\"512\" bits=\"10\"/><background red=\"0\" "
         "green=\"0\" "
         "blue=\"1023\" bits=\"10\"/><geometry x=\"0.25\" y=\"0.3\" cx=\"0.5\" cy=\"0.4\"/></calibration>",
         {RGB(0, 0, 255), RGB(128, 128, 128), 0.25, 0.3, 0.5, 0.4, DeepPixel(0, 0, 1023),
          DeepPixel(512, 512, 512), true}},
        {"<?xml version=\"1.0\"?><calibration><shapes><rectangle><color red=\"10\" green=\"20\" blue=\"30\"/>"
         "<geometry x=\"0\" y=\"0\" cx=\"1\" cy=\"1\"/></rectangle><rectangle><color red=\"255\" "
         "green=\"128\" "
         "blue=\"0\"/><geometry x=\"0,1\" y=\"0,2\" cx=\"0,3\" "
         "cy=\"0,4\"/></rectangle></shapes></calibration>",
         EightBitPatch(RGB(10, 20, 30), RGB(255, 128, 0), 0.1, 0.2, 0.3, 0.4)},
        {"<calibration><shapes><rectangle><color red=\"1\" green=\"0\" blue=\"1\" bits=\"1\"/><geometry "
         "x=\"0\" "
         "y=\"0\" cx=\"1\" cy=\"1\"/></rectangle></shapes></calibration>",
         EightBitPatch(RGB(0, 0, 0), RGB(255, 0, 255), 0, 0, 1, 1)},
        {"<calibration><color red=\"65535\" green=\"32768\" blue=\"0\" bits=\"16\"/><background red=\"0\" "
         "green=\"0\" blue=\"0\"/><geometry x=\"1\" y=\"1\" cx=\"0\" cy=\"0\"/></calibration>",
         {RGB(0, 0, 0), RGB(255, 128, 0), 1, 1, 0, 0, DeepPixel(0, 0, 0), DeepPixel(1023, 512, 0), true}}};
    for (const auto& c : good) {
        RemotePatch patch = {};
        EXPECT_EQ(ReadResolveMessage(c.xml, patch), L"") << c.xml;
        EXPECT_TRUE(patch == c.expected) << c.xml;
    }
    const std::string color = "<color red=\"1\" green=\"2\" blue=\"3\"/>",
                      background = "<background red=\"0\" green=\"0\" blue=\"0\"/>";
    const std::string geometry = "<geometry x=\"0\" y=\"0\" cx=\"1\" cy=\"1\"/>";
    const struct {
        std::string xml;
        std::wstring why;
    } bad[] = {
        {"", L"not a calibration message"},
        {"<calibration><color", L"not XML"},
        {"\x01\x02\xFF binary", L"not XML"},
        {"<other>" + color + "</other>", L"not a calibration message"},
        {"<calibration>" + color + geometry + "</calibration>", L"no background"},
        {"<calibration>" + color + background + "</calibration>", L"no geometry"},
        {"<calibration><color red=\"256\" green=\"0\" blue=\"0\"/>" + background + geometry +
             "</calibration>",
         L"color red missing or out of range"},
        {"<calibration><color red=\"-1\" green=\"0\" blue=\"0\"/>" + background + geometry + "</calibration>",
         L"color red missing or out of range"},
        {"<calibration><color red=\"1\" blue=\"0\"/>" + background + geometry + "</calibration>",
         L"color green missing or out of range"},
        {"<calibration><color red=\"1\" green=\"0\" blue=\"0\" bits=\"17\"/>" + background + geometry +
             "</calibration>",
         L"color bits out of range"},
        {"<calibration>" + color + background +
             "<geometry x=\"0\" y=\"0\" cx=\"1.5\" cy=\"1\"/></calibration>",
         L"geometry missing or out of range"},
        {"<calibration>" + color + background +
             "<geometry x=\"nan\" y=\"0\" cx=\"1\" cy=\"1\"/></calibration>",
         L"geometry missing or out of range"},
        {"<calibration><shapes></shapes></calibration>", L"unknown form: 0 rectangles"},
        {"<calibration><shapes><rectangle/><rectangle/><rectangle/></shapes></calibration>",
         L"unknown form: 3 rectangles"},
        // Nested as deep as the longest message allows: read by recursion, it would end the program.
        {"<calibration>" + Repeated("<a>", 21800), L"not a calibration message"}};
    for (const auto& c : bad) {
        RemotePatch patch = {RGB(9, 9, 9), RGB(9, 9, 9), 0, 0, 1, 1};
        EXPECT_EQ(ReadResolveMessage(c.xml, patch), c.why) << c.xml;
        EXPECT_EQ(patch.color, RGB(9, 9, 9)) << "a bad message changes nothing";
    }
    // At 10 bits where the software asks for more than 8, each colour by its own bits.
    RemotePatch deep = {};
    EXPECT_EQ(
        ReadResolveMessage("<calibration><color red=\"65535\" green=\"32768\" blue=\"1\" bits=\"16\"/>"
                           "<background red=\"128\" green=\"0\" blue=\"255\"/><geometry x=\"0\" y=\"0\" "
                           "cx=\"1\" cy=\"1\"/></calibration>",
                           deep),
        L"");
    EXPECT_TRUE(deep.tenBits);
    EXPECT_EQ(deep.color10, DeepPixel(1023, 512, 0));
    EXPECT_EQ(deep.background10, DeepPixel(TenBitCode(128), 0, 1023)) << "8 bits widened";
    RemotePatch shallow = {};
    ReadResolveMessage("<calibration><color red=\"1\" green=\"2\" blue=\"3\"/>" + background + geometry +
                           "</calibration>",
                       shallow);
    EXPECT_FALSE(shallow.tenBits);

    // Codes to levels: the ends, and the halves of 10 and 16 bits.
    EXPECT_EQ(CodeToLevel(0, 10), 0);
    EXPECT_EQ(CodeToLevel(1023, 10), 255);
    EXPECT_EQ(CodeToLevel(512, 10), 128);
    EXPECT_EQ(CodeToLevel(511, 10), 127);
    EXPECT_EQ(CodeToLevel(32767, 16), 127);
}

TEST(ResolveMessage, TenBitCodesOfEveryDepthFromOneToSixteenBitsAtTheirEdges) {
    for (int bits = 1; bits <= 16; ++bits) {
        const long top = (1L << bits) - 1;
        for (long code : {0L, 1L, top / 2, top / 2 + 1, top - 1, top}) {
            if (code < 0 || code > top)
                continue;
            const double v = static_cast<double>(code) / top;
            // 9 bits and more at 10 bits; fewer through their 8-bit level, widened as 8 bits are.
            const int level = static_cast<int>(std::floor(v * 255 + 0.5));
            const int expected =
                bits > 8 ? static_cast<int>(std::floor(v * 1023 + 0.5)) : (1023 * level + 127) / 255;
            EXPECT_EQ(CodeToTenBits(code, bits), expected) << code << " of " << bits << " bits";
        }
    }
    EXPECT_EQ(CodeToTenBits(0, 16), 0);
    EXPECT_EQ(CodeToTenBits(65535, 16), 1023);
    EXPECT_EQ(CodeToTenBits(1023, 10), 1023);
    EXPECT_EQ(CodeToTenBits(511, 10), 511);
}

TEST(RemotePatchRect, RoundedHalfUpAndClippedAtAnySize) {
    const struct {
        RemotePatch patch;
        int w, h;
        RECT expected;
    } cases[] = {{{0, 0, 0, 0, 1, 1}, 1, 1, {0, 0, 1, 1}},
                 {{0, 0, 0.45, 0.45, 0.1, 0.1}, 1, 1, {0, 0, 1, 1}},
                 {{0, 0, 0.25, 0.25, 0.5, 0.5}, 1025, 767, {256, 192, 769, 575}},
                 {{0, 0, 0.9, 0.9, 0.5, 0.5}, 100, 100, {90, 90, 100, 100}},
                 {{0, 0, 0.5, 0.5, 0, 0}, 1920, 1080, {960, 540, 960, 540}},
                 {{0, 0, 0.1, 0.1, 0.1, 0.1}, 3, 3, {0, 0, 1, 1}}};
    for (const auto& c : cases) {
        const RECT r = RemotePatchRect(c.patch, c.w, c.h);
        EXPECT_TRUE(::EqualRect(&r, &c.expected))
            << c.w << "x" << c.h << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

} // namespace
