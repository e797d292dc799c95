// Row copies at the speed of writing memory: streaming stores where SSE2 is there.
#include "StreamCopy.h"
#include <windows.h>
#include <emmintrin.h>
#include <intrin.h>
#include <cstdint>
#include <cstring>

namespace {

bool HasSse2() {
    static const bool present = ::IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE;
    return present;
}

__attribute__((target("sse2"))) void Stream(unsigned char* to, const unsigned char* from, std::size_t bytes) {
    // Up to the first 16-byte boundary of the destination as usual, then whole 16-byte stores.
    const std::size_t head = (16 - (reinterpret_cast<std::uintptr_t>(to) & 15)) & 15;
    const std::size_t lead = head < bytes ? head : bytes;
    std::memcpy(to, from, lead);
    to += lead;
    from += lead;
    bytes -= lead;
    for (; bytes >= 64; bytes -= 64, to += 64, from += 64) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 32));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 48));
        _mm_stream_si128(reinterpret_cast<__m128i*>(to), a);
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + 16), b);
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + 32), c);
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + 48), d);
    }
    for (; bytes >= 16; bytes -= 16, to += 16, from += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(to), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
    std::memcpy(to, from, bytes);
    // Streaming stores are weakly ordered: make them visible before GDI or anyone else reads.
    _mm_sfence();
}

} // namespace

void StreamCopy(void* to, const void* from, std::size_t bytes) {
    if (bytes >= 256 && HasSse2())
        Stream(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), bytes);
    else
        __movsb(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), bytes);
}
