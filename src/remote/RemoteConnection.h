#pragma once
#include "RemoteListener.h"
#include "RemoteTarget.h"
#include "ResolveFraming.h"
#include "QuietWindow.h"
#include <string>
#include <vector>

// An outgoing connection to calibration software that listens at the target: the Resolve protocol
// (length-framed XML, read only) or ArgyllCMS's web display (one HTTP request a colour). It never
// listens itself. Everything runs on the window thread: the sockets are non-blocking and report through
// this object's message-only window, so the network never holds up the program. A refused or lost
// connection is tried again every retryPeriod; a message stalled halfway for stallPeriod, a bad length
// or a broken answer drops the connection, and it is tried again.
class CRemoteConnection : public CQuietWindow {
  public:
    CRemoteConnection(HINSTANCE instance, CRemoteListener* listener, RemoteProtocol protocol,
                      const RemoteTarget& target);
    ~CRemoteConnection() override;

    static const char* const className;
    static const UINT retryPeriod = 2000;
    static const UINT stallPeriod = 10000;

    // Makes the window and starts looking for the software; false when Winsock or the window fails.
    bool Start();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    enum : UINT { socketMessage = WM_APP + 1, resolvedMessage = WM_APP + 2 };
    enum : UINT_PTR { retryTimer = 1, stallTimer = 2 };

    void Look();
    void OnResolved(LPARAM lParam);
    void Connect();
    void OnSocket(WPARAM wParam, LPARAM lParam);
    void OnConnected();
    void Receive();
    void OnClosed();
    void OnResolveBytes(const char* data, size_t size);
    void Answered();
    // Drops the connection and tries again after retryPeriod, saying so on the first screen.
    void Retry(const std::wstring& status);
    // "Waiting for HOST:PORT", the status of every retry but a failed look-up's.
    std::wstring Waiting() const;
    void CloseSocket();

    CRemoteListener* listener;
    RemoteProtocol protocol;
    RemoteTarget target;
    bool winsock;
    UINT_PTR socket;       // a SOCKET; Winsock's header stays out of this one, it must come before windows.h
    HANDLE lookup;         // a name being resolved
    unsigned long address; // the host's IPv4 address in network order, once known
    std::vector<char> hostBuffer;
    CResolveFraming framing;
    std::string answer; // the HTTP answer read so far
    COLORREF shown;     // the colour ArgyllCMS last had shown
    unsigned requests;
};
