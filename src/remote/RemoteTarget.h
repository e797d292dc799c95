#pragma once
#include <string>

// How the software speaks: the Resolve protocol, or ArgyllCMS's web display.
enum class RemoteProtocol { resolve, argyll };

// Where calibration software listens: "HOST" or "HOST:PORT", HOST a name or an IPv4 address.
struct RemoteTarget {
    std::string host;
    int port;

    std::string Text() const { return host + ":" + std::to_string(port); }
};

// False when the text is not one (empty or odd host, a port that is not 1 to 65535).
bool ParseRemoteTarget(const std::string& text, int defaultPort, RemoteTarget& target);
