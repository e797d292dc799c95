#pragma once
#include <string>

// A Resolve message with its length before it (4 bytes, big-endian): the given one, or its own.
inline std::string Framed(const std::string& message, unsigned long length) {
    const char head[4] = {static_cast<char>(length >> 24), static_cast<char>(length >> 16),
                          static_cast<char>(length >> 8), static_cast<char>(length)};
    return std::string(head, 4) + message;
}

inline std::string Framed(const std::string& message) {
    return Framed(message, static_cast<unsigned long>(message.size()));
}
