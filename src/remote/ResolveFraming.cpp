#include "ResolveFraming.h"

bool CResolveFraming::Feed(const char* data, size_t size) {
    buffer.append(data, size);
    while (buffer.size() >= 4) {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(buffer.data());
        const unsigned long length =
            (static_cast<unsigned long>(b[0]) << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
        if (length == 0 || length > maxLength)
            return false;
        if (buffer.size() < 4 + length)
            break;
        messages.push_back(buffer.substr(4, length));
        buffer.erase(0, 4 + length);
    }
    return true;
}
