// Hostile bytes by the hundred thousand for the Resolve protocol's framing and messages.
#include "Framed.h"
#include "HostileBytes.h"
#include "RemotePatch.h"
#include "ResolveFraming.h"
#include "ResolveMessage.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// One Resolve message of the long form, its values as given (any text at all).
std::string Message(const std::vector<std::string>& color, const std::string& colorBits,
                    const std::vector<std::string>& background, const std::string& backgroundBits,
                    const std::vector<std::string>& geometry) {
    auto rgb = [](const char* element, const std::vector<std::string>& v, const std::string& bits) {
        return std::string("<") + element + " red=\"" + v[0] + "\" green=\"" + v[1] + "\" blue=\"" + v[2] +
               "\"" + (bits.empty() ? "" : " bits=\"" + bits + "\"") + "/>";
    };
    return "<calibration>" + rgb("color", color, colorBits) + rgb("background", background, backgroundBits) +
           "<geometry x=\"" + geometry[0] + "\" y=\"" + geometry[1] + "\" cx=\"" + geometry[2] + "\" cy=\"" +
           geometry[3] + "\"/></calibration>";
}

// What calibration software (or anyone on the network) may send: random bytes, messages whose values,
// bit depths and geometry are pushed past their ranges, good messages with bytes changed, elements
// nested deep, all framed and split anywhere. Nothing crashes or hangs; every message either gives a
// patch within the screen with every colour in range, or is ignored with a reason and changes nothing;
// a bad length ends the connection.
TEST(ResolveMessage, HostileBytesGiveAPatchWithinRangeOrAreIgnoredOrEndTheConnection) {
    CHostileBytes hostile(100000);
    const std::vector<std::string> values = {
        "0",     "1",     "127",   "128",  "255", "256",        "511",        "1023",
        "1024",  "65535", "65536", "-1",   "+1",  "2147483647", "2147483648", "99999999999999999999",
        "",      " 1",    "1 ",    "0x10", "1e3", "abc",        "1.5",        "\xff\xfe",
        "&amp;", "&#0;"};
    const std::vector<std::string> bits = {"",   "0",  "1",  "7",  "8",  "9", "10",  "12",         "15",
                                           "16", "17", "32", "64", "-8", "x", "010", "99999999999"};
    const std::vector<std::string> fractions = {"0",
                                                "1",
                                                "0.5",
                                                "0,25",
                                                "1.0000001",
                                                "-0",
                                                "-0.0001",
                                                "nan",
                                                "inf",
                                                "-inf",
                                                "1e308",
                                                "1e-308",
                                                "4.9e-324",
                                                "",
                                                ".",
                                                ",",
                                                "0.5.5",
                                                "1e",
                                                std::string(40, '9'),
                                                "0." + std::string(31, '1')};
    const std::string good =
        Message({"512", "256", "1023"}, "10", {"1", "2", "3"}, "10", {"0.1", "0.2", "0.3", "0.4"});
    unsigned shown = 0, ignored = 0;
    std::string stream;
    std::vector<std::string> sent;
    for (unsigned n = 0; n < hostile.count; ++n) {
        std::string message;
        switch (hostile.Between(0, 4)) {
        case 0:
            message = hostile.Bytes(static_cast<size_t>(hostile.Between(1, 400)));
            break;
        case 1: { // each value within its range, mostly, else pushed past it
            auto colour = [&](std::string& depth) {
                const int b = static_cast<int>(hostile.Between(1, 16));
                depth = hostile.Between(0, 5) ? (b == 8 && hostile.Between(0, 1) ? "" : std::to_string(b))
                                              : hostile.OneOf(bits);
                std::vector<std::string> rgb;
                for (int i = 0; i < 3; ++i)
                    rgb.push_back(hostile.Between(0, 7) ? std::to_string(hostile.Between(0, (1LL << b) - 1))
                                                        : hostile.OneOf(values));
                return rgb;
            };
            std::vector<std::string> geometry;
            for (int i = 0; i < 4; ++i)
                geometry.push_back(hostile.Between(0, 7) ? std::to_string(hostile.Between(0, 1000) / 1000.0)
                                                         : hostile.OneOf(fractions));
            std::string colorBits, backgroundBits;
            const std::vector<std::string> color = colour(colorBits), background = colour(backgroundBits);
            message = Message(color, colorBits, background, backgroundBits, geometry);
            break;
        }
        case 2: {
            const std::vector<unsigned char> flipped = hostile.Flipped({good.begin(), good.end()}, 6);
            message.assign(flipped.begin(), flipped.end());
            break;
        }
        case 3: { // elements inside elements, closed or not, up to the longest message there is
            const size_t depth = static_cast<size_t>(1) << hostile.Between(0, 15);
            std::string open, close;
            for (size_t i = 0; i < depth && open.size() < CResolveFraming::maxLength; ++i) {
                open += hostile.Between(0, 1) ? "<shapes>" : "<a>";
                close += open.back() == 's' ? ">sepahs/<" : ">a/<"; // reversed below
            }
            std::reverse(close.begin(), close.end());
            message = ("<calibration>" + open + (hostile.Between(0, 1) ? close + "</calibration>" : ""))
                          .substr(0, CResolveFraming::maxLength);
            break;
        }
        default: // the long form cut anywhere, or with anything after it
            message = hostile.Between(0, 1)
                          ? good.substr(0, static_cast<size_t>(hostile.Between(1, good.size())))
                          : good + hostile.Bytes(static_cast<size_t>(hostile.Between(1, 50)));
            break;
        }
        RemotePatch patch = {RGB(9, 9, 9), RGB(9, 9, 9), 0, 0, 1, 1};
        const RemotePatch before = patch;
        const std::wstring why = ReadResolveMessage(message, patch);
        if (!why.empty()) {
            ++ignored;
            ASSERT_TRUE(patch == before) << "message " << n << ": an ignored message changed the patch";
        } else {
            ++shown;
            for (double f : {patch.x, patch.y, patch.cx, patch.cy})
                ASSERT_TRUE(f >= 0 && f <= 1) << "message " << n << ": " << f;
            for (COLORREF c : {patch.color, patch.background})
                ASSERT_EQ(c & 0xFF000000, 0u) << "message " << n;
            for (UINT32 p : {patch.color10, patch.background10})
                ASSERT_EQ(p & 0xC0000000, 0xC0000000u) << "message " << n << ": alpha of a 10-bit colour";
            for (const SIZE& screen : {SIZE{1, 1}, SIZE{7, 5}, SIZE{1920, 1080}, SIZE{3840, 2160}}) {
                const RECT r = RemotePatchRect(patch, screen.cx, screen.cy);
                ASSERT_TRUE(0 <= r.left && r.left <= r.right && r.right <= screen.cx && 0 <= r.top &&
                            r.top <= r.bottom && r.bottom <= screen.cy)
                    << "message " << n << " on " << screen.cx << "x" << screen.cy;
            }
        }
        if (message.size() <= CResolveFraming::maxLength && sent.size() < 200) {
            sent.push_back(message);
            stream += Framed(message);
        }
    }
    EXPECT_GT(shown, hostile.count / 40) << "too few messages were good enough to show";
    EXPECT_GT(ignored, hostile.count / 2);

    // The messages in one stream, split anywhere, come out whole and in order; a bad length ends it.
    for (int round = 0; round < 50; ++round) {
        const bool broken = round % 2 == 1;
        const size_t cut =
            broken ? static_cast<size_t>(hostile.Between(0, static_cast<long long>(sent.size()) - 1))
                   : sent.size();
        std::string bytes;
        for (size_t i = 0; i < cut; ++i)
            bytes += Framed(sent[i]);
        if (broken)
            bytes += Framed("", hostile.Between(0, 1)
                                    ? 0
                                    : static_cast<unsigned long>(hostile.Between(65537, 0xFFFFFFFF)));
        CResolveFraming framing;
        bool fine = true;
        for (size_t at = 0; at < bytes.size() && fine;) {
            const size_t piece = std::min(bytes.size() - at, static_cast<size_t>(hostile.Between(1, 9000)));
            fine = framing.Feed(bytes.data() + at, piece);
            at += piece;
        }
        EXPECT_EQ(fine, !broken) << "round " << round;
        ASSERT_EQ(framing.messages.size(), cut) << "round " << round;
        for (size_t i = 0; i < cut; ++i)
            ASSERT_EQ(framing.messages[i], sent[i]) << "round " << round << ", message " << i;
    }
    std::printf("%u messages from seed %u: %u shown, %u ignored\n", hostile.count,
                static_cast<unsigned>(hostile.seed), shown, ignored);
}

} // namespace
