#pragma once
#include <string>
#include <vector>

// The Resolve protocol's framing: each message is a 4-byte big-endian length, then that many bytes.
// Bytes come in as the network delivers them, split or joined anyhow.
class CResolveFraming {
  public:
    static const unsigned maxLength = 65536;

    // Takes the bytes read; false when a length is 0 or above maxLength: the stream is then broken
    // and the connection must go. Complete messages wait in `messages`.
    bool Feed(const char* data, size_t size);
    // Whether part of a message has come and the rest has not.
    bool Partial() const { return !buffer.empty(); }
    void Reset() {
        buffer.clear();
        messages.clear();
    }

    std::vector<std::string> messages;

  private:
    std::string buffer;
};
