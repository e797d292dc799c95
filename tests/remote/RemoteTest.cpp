// Winsock before anything that brings windows.h.
#include <winsock2.h>

#include "ArgyllWeb.h"
#include "HostileBytes.h"
#include "RemoteConnection.h"
#include "ResolveFraming.h"
#include "ResolveMessage.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Framed(const std::string& message, unsigned long length) {
    const char head[4] = {static_cast<char>(length >> 24), static_cast<char>(length >> 16),
                          static_cast<char>(length >> 8), static_cast<char>(length)};
    return std::string(head, 4) + message;
}

std::string Framed(const std::string& message) {
    return Framed(message, static_cast<unsigned long>(message.size()));
}

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

TEST(ArgyllWeb, TheRequestAndEveryKindOfAnswer) {
    EXPECT_EQ(ArgyllRequest(RGB(255, 128, 1), "localhost", 8080, 42),
              "GET /ajax/messages?%23FF8001%200.000000042 HTTP/1.1\r\nHost: localhost:8080\r\nAccept: */*\r\n"
              "Cache-Control: no-cache\r\n\r\n");
    const struct {
        const char* response;
        ArgyllAnswer answer;
        COLORREF color;
    } answers[] = {
        {"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n#FF8000", ArgyllAnswer::color, RGB(255, 128, 0)},
        {"HTTP/1.0 200 OK\r\n\r\n\r\n#0a0B0c\r\n", ArgyllAnswer::color, RGB(10, 11, 12)},
        {"HTTP/1.1 200 OK\r\n\r\n", ArgyllAnswer::keep, 0},
        {"HTTP/1.1 404 Not Found\r\n\r\n#FF0000", ArgyllAnswer::broken, 0},
        {"HTTP/1.1 200 OK\r\nno end of headers #FF0000", ArgyllAnswer::broken, 0},
        {"#FF0000", ArgyllAnswer::broken, 0},
        {"", ArgyllAnswer::broken, 0},
        {"HTTP/1.1 200 OK\r\n\r\n#FF00", ArgyllAnswer::broken, 0},
        {"HTTP/1.1 200 OK\r\n\r\n#GG0000", ArgyllAnswer::broken, 0},
        {"HTTP/1.1 200 OK\r\n\r\n7\r\n#FF0000\r\n0\r\n\r\n", ArgyllAnswer::broken, 0}};
    for (const auto& a : answers) {
        COLORREF color = 0;
        EXPECT_EQ(ReadArgyllAnswer(a.response, color), a.answer) << a.response;
        if (a.answer == ArgyllAnswer::color) {
            EXPECT_EQ(color, a.color) << a.response;
        }
    }
}

// Serves on a local port, non-blocking, so the connection under test runs on this same thread.
class LocalServer {
  public:
    LocalServer() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at = {};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
        ::bind(listener, reinterpret_cast<sockaddr*>(&at), sizeof at);
        ::listen(listener, 4);
        int size = sizeof at;
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&at), &size);
        port = ::ntohs(at.sin_port);
        u_long nonBlocking = 1;
        ::ioctlsocket(listener, FIONBIO, &nonBlocking);
    }
    ~LocalServer() {
        Drop();
        ::closesocket(listener);
        ::WSACleanup();
    }
    // Waits, pumping messages, until `done` holds or `ms` have passed.
    template <class Done> bool PumpUntil(Done done, DWORD ms) {
        const DWORD start = ::GetTickCount();
        while (!done() && ::GetTickCount() - start < ms) {
            PumpMessages();
            if (client == INVALID_SOCKET)
                client = ::accept(listener, nullptr, nullptr);
            if (client != INVALID_SOCKET) {
                char data[1024];
                const int got = ::recv(client, data, sizeof data, 0);
                if (got > 0)
                    received.append(data, static_cast<size_t>(got));
            }
            ::Sleep(5);
        }
        return done();
    }
    // All of it: where the socket's buffer is full, the connection under test reads first.
    void Send(const std::string& bytes) {
        for (size_t sent = 0; sent < bytes.size();) {
            const int n = ::send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (n > 0)
                sent += static_cast<size_t>(n);
            else if (::WSAGetLastError() == WSAEWOULDBLOCK)
                PumpMessages();
            else
                return;
        }
    }
    void Drop() {
        if (client != INVALID_SOCKET)
            ::closesocket(client);
        client = INVALID_SOCKET;
        received.clear();
    }

    SOCKET listener, client = INVALID_SOCKET;
    int port;
    std::string received;
};

struct Recorder : CRemoteListener {
    void OnRemoteStatus(const std::wstring& text) override { statuses.push_back(text); }
    void OnRemotePatch(const RemotePatch& patch) override { patches.push_back(patch); }
    void OnRemoteIgnored(const std::wstring& why) override { ignored.push_back(why); }
    std::vector<std::wstring> statuses, ignored;
    std::vector<RemotePatch> patches;
};

// A connection to the test's own server, reporting to a recorder.
class RemoteConnectionTest : public testing::Test {
  protected:
    void Connect(RemoteProtocol protocol, const std::string& host, int port) {
        connection.reset(
            new CRemoteConnection(::GetModuleHandleA(nullptr), &recorder, protocol, {host, port}));
        ASSERT_TRUE(connection->Start());
    }

    LocalServer server;
    Recorder recorder;
    std::unique_ptr<CRemoteConnection> connection;
};

const std::string gray =
    "<calibration><color red=\"512\" green=\"512\" blue=\"512\" bits=\"10\"/><background "
    "red=\"0\" green=\"0\" blue=\"0\" bits=\"10\"/><geometry x=\"0\" y=\"0\" cx=\"1\" cy=\"1\"/>"
    "</calibration>";

TEST_F(RemoteConnectionTest, ResolveOverALocalSocketThroughBadInputAndAwayAndBack) {
    Connect(RemoteProtocol::resolve, "127.0.0.1", server.port);
    const std::wstring where = L"127.0.0.1:" + std::to_wstring(server.port);
    ASSERT_TRUE(server.PumpUntil(
        [&] {
            return server.client != INVALID_SOCKET && !recorder.statuses.empty() &&
                   recorder.statuses.back() == L"Connected to " + where;
        },
        3000));
    // A message in two pieces, a bad one, then two joined.
    const std::string good = Framed(gray);
    server.Send(good.substr(0, 7));
    server.PumpUntil([] { return false; }, 100);
    server.Send(good.substr(7) + Framed("<calibration/>") + good + good);
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.patches.size() == 3; }, 3000));
    EXPECT_EQ(recorder.patches[0].color, RGB(128, 128, 128));
    EXPECT_EQ(recorder.ignored, std::vector<std::wstring>{L"no color"});
    EXPECT_TRUE(server.received.empty()) << "a Resolve generator only reads";
    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += good;
    server.Send(many);
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.patches.size() == 2003; }, 10000));
    recorder.patches.resize(3);

    // A bad length drops the connection; it is tried again within two seconds and works again.
    server.Send(Framed("", 0xFFFFFFFF));
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.statuses.back() == L"Waiting for " + where; }, 3000));
    server.Drop();
    const DWORD dropped = ::GetTickCount();
    ASSERT_TRUE(server.PumpUntil([&] { return server.client != INVALID_SOCKET; }, 4000));
    EXPECT_GE(::GetTickCount() - dropped, 1500u);
    server.PumpUntil([] { return false; }, 100);
    server.Send(good);
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.patches.size() == 4; }, 3000));

    // The software going away: waiting again, and connected again once it listens, its patches shown.
    server.Drop();
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.statuses.back() == L"Waiting for " + where; }, 3000));
    ASSERT_TRUE(server.PumpUntil([&] { return recorder.statuses.back() == L"Connected to " + where; }, 4000))
        << "not connected again after the software went away";
    server.Send(good);
    EXPECT_TRUE(server.PumpUntil([&] { return recorder.patches.size() == 5; }, 3000));
}

TEST_F(RemoteConnectionTest, ArgyllEachColourOnAConnectionOfItsOwnAndABrokenAnswerDropsIt) {
    Connect(RemoteProtocol::argyll, "localhost", server.port);
    auto request = [&] {
        return server.PumpUntil([&] { return server.received.find("\r\n\r\n") != std::string::npos; }, 3000);
    };
    ASSERT_TRUE(request());
    EXPECT_EQ(server.received.find("GET /ajax/messages?%23000000%20"), 0u) << server.received;
    server.Send("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n#FF8000");
    server.Drop();
    ASSERT_TRUE(request()) << "the next request comes at once";
    EXPECT_EQ(server.received.find("GET /ajax/messages?%23FF8000%20"), 0u) << server.received;
    ASSERT_EQ(recorder.patches.size(), 1u);
    EXPECT_TRUE(recorder.patches[0] == EightBitPatch(RGB(255, 128, 0), RGB(255, 128, 0), 0, 0, 1, 1));
    server.Send("HTTP/1.1 200 OK\r\n\r\n"); // nothing new: the colour stays
    server.Drop();
    ASSERT_TRUE(request());
    EXPECT_EQ(server.received.find("GET /ajax/messages?%23FF8000%20"), 0u);
    EXPECT_EQ(recorder.patches.size(), 1u);
    server.Send("garbage\r\n\r\n#00FF00");
    server.Drop();
    ASSERT_TRUE(server.PumpUntil(
        [&] { return recorder.statuses.back().find(L"Waiting for localhost:") == 0; }, 3000));
    EXPECT_EQ(recorder.patches.size(), 1u);
}

TEST_F(RemoteConnectionTest, ANameThatDoesNotResolveSaysSo) {
    Connect(RemoteProtocol::resolve, "no-such-host.invalid", 20002);
    ASSERT_TRUE(server.PumpUntil([&] { return !recorder.statuses.empty(); }, 10000));
    EXPECT_EQ(recorder.statuses[0], L"No host named no-such-host.invalid (no-such-host.invalid:20002)");
}

} // namespace
