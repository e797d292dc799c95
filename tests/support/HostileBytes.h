#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Repeatable streams of hostile bytes for the parsers of what comes from outside. How many cases a test
// tries and from which seed: `standard` cases from seed 1 unless TESSARYN_HOSTILE_COUNT and
// TESSARYN_HOSTILE_SEED say otherwise (a longer run: README).
class CHostileBytes {
  public:
    explicit CHostileBytes(unsigned standard);

    unsigned count;
    std::uint32_t seed;
    std::mt19937 random;

    // A whole number from lowest to highest, both included.
    long long Between(long long lowest, long long highest);
    // One of the values.
    template <class T> const T& OneOf(const std::vector<T>& values) {
        return values[static_cast<size_t>(Between(0, static_cast<long long>(values.size()) - 1))];
    }
    std::string Bytes(size_t length);
    // The bytes with 1 to `most` of them changed at random places.
    std::vector<unsigned char> Flipped(std::vector<unsigned char> bytes, int most);
};
