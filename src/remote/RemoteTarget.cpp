#include "RemoteTarget.h"
#include "WholeNumber.h"
#include <cctype>

bool ParseRemoteTarget(const std::string& text, int defaultPort, RemoteTarget& target) {
    const size_t colon = text.find(':');
    const std::string host = text.substr(0, colon);
    if (host.empty() || host.size() > 253)
        return false;
    for (char c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_')
            return false;
    int port = defaultPort;
    if (colon != std::string::npos && !ReadWholeNumber(text.substr(colon + 1), 1, 65535, port))
        return false;
    target = {host, port};
    return true;
}
