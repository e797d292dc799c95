// Winsock before anything that brings windows.h.
#include <winsock2.h>

#include "RemoteConnection.h"
#include "ArgyllWeb.h"
#include "ResolveMessage.h"
#include "Texts.h"

const char* const CRemoteConnection::className = "tessaryn remote wndclass";

CRemoteConnection::CRemoteConnection(HINSTANCE instance, CRemoteListener* listener, RemoteProtocol protocol,
                                     const RemoteTarget& target)
    : CQuietWindow(instance), listener(listener), protocol(protocol), target(target), winsock(false),
      socket(INVALID_SOCKET), lookup(nullptr), address(INADDR_NONE), hostBuffer(MAXGETHOSTSTRUCT),
      shown(RGB(0, 0, 0)), requests(0) {
    classInfo.lpszClassName = className;
}

CRemoteConnection::~CRemoteConnection() {
    CloseSocket();
    if (lookup != nullptr)
        ::WSACancelAsyncRequest(lookup);
    Destroy(); // before Winsock ends: nothing of it reports to the window any more
    if (winsock)
        ::WSACleanup();
}

bool CRemoteConnection::Start() {
    WSADATA data;
    winsock = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (!winsock || !RegisterOnce())
        return false;
    if (!Create(0, 0, HWND_MESSAGE, nullptr, nullptr))
        return false;
    Look();
    return true;
}

LRESULT CRemoteConnection::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case socketMessage:
        OnSocket(wParam, lParam);
        return 0;
    case resolvedMessage:
        OnResolved(lParam);
        return 0;
    case WM_TIMER:
        ::KillTimer(handle, wParam);
        if (wParam == retryTimer)
            Look();
        else
            Retry(Waiting()); // a message began and never ended
        return 0;
    default:
        return CQuietWindow::WindowProc(msg, wParam, lParam);
    }
}

// An address is used as it is; a name is asked of the resolver without waiting for it.
void CRemoteConnection::Look() {
    address = ::inet_addr(target.host.c_str());
    if (address != INADDR_NONE) {
        Connect();
        return;
    }
    lookup = ::WSAAsyncGetHostByName(handle, resolvedMessage, target.host.c_str(), hostBuffer.data(),
                                     static_cast<int>(hostBuffer.size()));
    if (lookup == nullptr)
        Retry(FormatText(IDS_CANNOT_LOOK_UP, {Widen(target.host)}));
}

void CRemoteConnection::OnResolved(LPARAM lParam) {
    lookup = nullptr;
    const hostent* host = reinterpret_cast<const hostent*>(hostBuffer.data());
    if (WSAGETASYNCERROR(lParam) != 0 || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) {
        Retry(FormatText(IDS_NO_HOST, {Widen(target.host), Widen(target.Text())}));
        return;
    }
    address = *reinterpret_cast<const unsigned long*>(host->h_addr_list[0]);
    Connect();
}

void CRemoteConnection::Connect() {
    CloseSocket();
    socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET ||
        ::WSAAsyncSelect(socket, handle, socketMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0) {
        Retry(Waiting());
        return;
    }
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address;
    to.sin_port = ::htons(static_cast<u_short>(target.port));
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 &&
        ::WSAGetLastError() != WSAEWOULDBLOCK) {
        Retry(Waiting());
        return;
    }
    // Each of ArgyllCMS's colours comes on a connection of its own: only the first says it waits.
    if (protocol == RemoteProtocol::resolve || requests == 0)
        listener->OnRemoteStatus(Waiting());
}

void CRemoteConnection::OnSocket(WPARAM wParam, LPARAM lParam) {
    if (static_cast<SOCKET>(wParam) != socket)
        return; // a socket closed already
    switch (WSAGETSELECTEVENT(lParam)) {
    case FD_CONNECT:
        if (WSAGETSELECTERROR(lParam) != 0)
            Retry(Waiting());
        else
            OnConnected();
        break;
    case FD_READ:
        Receive();
        break;
    case FD_CLOSE:
        Receive(); // what came before the end
        if (socket != INVALID_SOCKET)
            OnClosed();
        break;
    }
}

void CRemoteConnection::OnConnected() {
    framing.Reset();
    answer.clear();
    if (protocol == RemoteProtocol::argyll) {
        // Asking again is what tells ArgyllCMS that the colour it sent is up.
        const std::string request =
            ArgyllRequest(shown, target.host, target.port, ::GetTickCount() * 2654435761u + requests);
        if (::send(socket, request.data(), static_cast<int>(request.size()), 0) !=
            static_cast<int>(request.size())) {
            Retry(Waiting());
            return;
        }
        if (requests++ > 0)
            return;
    }
    listener->OnRemoteStatus(FormatText(IDS_CONNECTED_TO, {Widen(target.Text())}));
}

void CRemoteConnection::Receive() {
    char data[4096];
    while (socket != INVALID_SOCKET) {
        const int got = ::recv(socket, data, sizeof data, 0);
        if (got <= 0)
            return; // WSAEWOULDBLOCK: all read; 0 or an error: FD_CLOSE follows
        if (protocol == RemoteProtocol::resolve) {
            OnResolveBytes(data, static_cast<size_t>(got));
        } else {
            answer.append(data, static_cast<size_t>(got));
            if (answer.size() > 65536) {
                Retry(Waiting());
                return;
            }
            ::SetTimer(handle, stallTimer, stallPeriod, nullptr);
        }
    }
}

void CRemoteConnection::OnResolveBytes(const char* data, size_t size) {
    if (!framing.Feed(data, size)) {
        Retry(Waiting()); // a length no message has: the stream is lost
        return;
    }
    // A message begun and not ended holds the clock; a whole one stops it.
    if (framing.Partial())
        ::SetTimer(handle, stallTimer, stallPeriod, nullptr);
    else
        ::KillTimer(handle, stallTimer);
    std::vector<std::string> messages;
    messages.swap(framing.messages);
    for (const std::string& message : messages) {
        RemotePatch patch;
        const std::wstring why = ReadResolveMessage(message, patch);
        if (why.empty())
            listener->OnRemotePatch(patch);
        else
            listener->OnRemoteIgnored(why);
    }
}

void CRemoteConnection::OnClosed() {
    ::KillTimer(handle, stallTimer);
    if (protocol == RemoteProtocol::resolve) {
        // The run is over; the software opens a new connection for the next one.
        Retry(Waiting());
        return;
    }
    Answered();
}

void CRemoteConnection::Answered() {
    COLORREF color;
    switch (ReadArgyllAnswer(answer, color)) {
    case ArgyllAnswer::broken:
        Retry(Waiting());
        return;
    case ArgyllAnswer::color:
        shown = color;
        listener->OnRemotePatch(EightBitPatch(color, color, 0, 0, 1, 1));
        break;
    case ArgyllAnswer::keep:
        break;
    }
    CloseSocket();
    Connect(); // at once: the next request says the colour is up
}

std::wstring CRemoteConnection::Waiting() const {
    return FormatText(IDS_WAITING_FOR, {Widen(target.Text())});
}

void CRemoteConnection::Retry(const std::wstring& status) {
    CloseSocket();
    requests = 0;
    listener->OnRemoteStatus(status);
    ::SetTimer(handle, retryTimer, retryPeriod, nullptr);
}

void CRemoteConnection::CloseSocket() {
    ::KillTimer(handle, stallTimer);
    if (socket == INVALID_SOCKET)
        return;
    ::closesocket(socket);
    socket = INVALID_SOCKET;
}
