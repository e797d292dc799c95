#include "HostileBytes.h"
#include <cstdlib>

namespace {

unsigned long long FromEnvironment(const char* name, unsigned long long standard) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return standard;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end == '\0' ? value : standard;
}

} // namespace

CHostileBytes::CHostileBytes(unsigned standard)
    : count(static_cast<unsigned>(FromEnvironment("TESSARYN_HOSTILE_COUNT", standard))),
      seed(static_cast<std::uint32_t>(FromEnvironment("TESSARYN_HOSTILE_SEED", 1))), random(seed) {}

long long CHostileBytes::Between(long long lowest, long long highest) {
    return std::uniform_int_distribution<long long>(lowest, highest)(random);
}

std::string CHostileBytes::Bytes(size_t length) {
    std::string bytes(length, '\0');
    for (char& b : bytes)
        b = static_cast<char>(Between(0, 255));
    return bytes;
}

std::vector<unsigned char> CHostileBytes::Flipped(std::vector<unsigned char> bytes, int most) {
    if (bytes.empty())
        return bytes;
    for (long long n = Between(1, most); n > 0; --n)
        bytes[static_cast<size_t>(Between(0, static_cast<long long>(bytes.size()) - 1))] =
            static_cast<unsigned char>(Between(0, 255));
    return bytes;
}
