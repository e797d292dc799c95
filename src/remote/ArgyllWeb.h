#pragma once
#include <windows.h>
#include <string>

// ArgyllCMS's web display, as its client: each request names the colour now shown and is answered,
// when the software has the next colour, with that colour as "#RRGGBB"; the server then closes.

// The request: GET /ajax/messages?<shown as #RRGGBB> <a random number>, URL-encoded, HTTP/1.1.
std::string ArgyllRequest(COLORREF shown, const std::string& host, int port, unsigned random);

enum class ArgyllAnswer { color, keep, broken };
// Reads a whole answer: a colour to show, an empty body (keep the colour), or a broken answer (not HTTP,
// not 200, no end of the headers, a body that is no colour).
ArgyllAnswer ReadArgyllAnswer(const std::string& response, COLORREF& color);
