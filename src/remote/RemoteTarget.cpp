#include "RemoteTarget.h"
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
    if (colon != std::string::npos) {
        const std::string digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5)
            return false;
        port = 0;
        for (char c : digits) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
            port = port * 10 + (c - '0');
        }
    }
    if (port < 1 || port > 65535)
        return false;
    target = {host, port};
    return true;
}
