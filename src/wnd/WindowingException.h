#pragma once
#include <stdexcept>
#include <string>

// The program's one exception type: a window class could not be registered or a window not created.
// Thrown by value with a fixed message, caught by reference; what() returns the message.
class CWindowingException : public std::runtime_error {
  public:
    explicit CWindowingException(const std::string& message) : std::runtime_error(message) {}
};
