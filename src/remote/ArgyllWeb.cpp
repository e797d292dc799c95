#include "ArgyllWeb.h"
#include <cctype>
#include <cstdio>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

std::string ArgyllRequest(COLORREF shown, const std::string& host, int port, unsigned random) {
    char query[64];
    std::snprintf(query, sizeof query, "%%23%02X%02X%02X%%200.%09u", GetRValue(shown), GetGValue(shown),
                  GetBValue(shown), random % 1000000000u);
    return "GET /ajax/messages?" + std::string(query) + " HTTP/1.1\r\nHost: " + host + ":" +
           std::to_string(port) + "\r\nAccept: */*\r\nCache-Control: no-cache\r\n\r\n";
}

ArgyllAnswer ReadArgyllAnswer(const std::string& response, COLORREF& color) {
    // "HTTP/1.x 200 ..." and the end of the headers.
    if (response.compare(0, 7, "HTTP/1.") != 0 || response.size() < 12 ||
        response.compare(8, 5, " 200 ") != 0)
        return ArgyllAnswer::broken;
    size_t body = response.find("\r\n\r\n");
    body = body == std::string::npos ? std::string::npos : body + 4;
    if (body == std::string::npos)
        return ArgyllAnswer::broken;
    std::string text;
    for (size_t i = body; i < response.size(); ++i)
        if (!std::isspace(static_cast<unsigned char>(response[i])))
            text += response[i];
    if (text.empty())
        return ArgyllAnswer::keep;
    int v[6];
    if (text.size() != 7 || text[0] != '#')
        return ArgyllAnswer::broken;
    for (int i = 0; i < 6; ++i)
        if ((v[i] = HexDigit(text[i + 1])) < 0)
            return ArgyllAnswer::broken;
    color = RGB(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
    return ArgyllAnswer::color;
}
