// Winsock before anything that brings windows.h.
#include <winsock2.h>

#include "ArgyllWeb.h"
#include "Framed.h"
#include "RemoteConnection.h"
#include "TestWindow.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

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
