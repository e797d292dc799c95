// Row copies at the speed of writing memory: streaming stores where SSE2 is there and the image is
// larger than the caches.
#include "StreamCopy.h"
#include <windows.h>
#include <emmintrin.h>
#include <intrin.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Looked up by name: neither function exists on every Windows the program starts on.
FARPROC Kernel32(const char* name) {
    HMODULE kernel32 = ::GetModuleHandleA("KERNEL32");
    return kernel32 != nullptr ? ::GetProcAddress(kernel32, name) : nullptr;
}

bool HasSse2() {
    static const bool present = [] {
        const auto isPresent = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
            reinterpret_cast<void*>(Kernel32("IsProcessorFeaturePresent")));
        return isPresent != nullptr && isPresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE;
    }();
    return present;
}

// The largest cache the system reports; 0 where it reports none.
std::size_t SystemCache() {
    const auto info = reinterpret_cast<BOOL(WINAPI*)(PSYSTEM_LOGICAL_PROCESSOR_INFORMATION, PDWORD)>(
        reinterpret_cast<void*>(Kernel32("GetLogicalProcessorInformation")));
    DWORD bytes = 0;
    if (info == nullptr || info(nullptr, &bytes) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return 0;
    std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> entries(
        bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
    if (!info(entries.data(), &bytes))
        return 0;
    std::size_t found = 0;
    for (DWORD i = 0; i < bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION); ++i)
        if (entries[i].Relationship == RelationCache && entries[i].Cache.Size > found)
            found = entries[i].Cache.Size;
    return found;
}

// The largest cache the processor describes: its cache leaves (4 on Intel, 0x8000001D on AMD), else
// AMD's older leaf of the second and third level; 0 where it describes none.
std::size_t ProcessorCache() {
    int info[4] = {};
    __cpuid(info, 0);
    const unsigned basic = static_cast<unsigned>(info[0]);
    __cpuid(info, static_cast<int>(0x80000000u));
    const unsigned extended = static_cast<unsigned>(info[0]);
    std::size_t found = 0;
    for (unsigned leaf : {4u, 0x8000001Du}) {
        if (leaf > (leaf < 0x80000000u ? basic : extended))
            continue;
        for (int i = 0; i < 16; ++i) {
            __cpuidex(info, static_cast<int>(leaf), i);
            const unsigned a = info[0], b = info[1], c = info[2];
            if ((a & 31) == 0)
                break;
            found = std::max<std::size_t>(found, static_cast<std::size_t>((b >> 22) + 1) *
                                                     (((b >> 12) & 0x3FF) + 1) * ((b & 0xFFF) + 1) * (c + 1));
        }
    }
    if (found == 0 && extended >= 0x80000006u) {
        __cpuid(info, static_cast<int>(0x80000006u));
        const unsigned c = info[2], d = info[3];
        found = std::max<std::size_t>(static_cast<std::size_t>(d >> 18) << 19,
                                      static_cast<std::size_t>(c >> 16) << 10);
    }
    return found;
}

// The size of the largest cache: as the system reports it, else as the processor describes it (Wine
// on a kernel that shows it none), else 8 MiB.
std::size_t LargestCache() {
    static const std::size_t largest = [] {
        std::size_t size = SystemCache();
        if (size == 0)
            size = ProcessorCache();
        return size > 0 ? size : std::size_t(8u << 20);
    }();
    return largest;
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
        _mm_stream_si128(reinterpret_cast<__m128i*>(to),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
    std::memcpy(to, from, bytes);
    // Streaming stores are weakly ordered: make them visible before GDI or anyone else reads.
    _mm_sfence();
}

// The string instructions write long pieces fastest, but each costs a start of some dozens of cycles.
const std::size_t stringBytes = 1024;

} // namespace

bool StreamsFor(std::size_t imageBytes) {
    // Half: the cache holds more than the image, and a shared last-level cache is shared.
    return HasSse2() && imageBytes > LargestCache() / 2;
}

void StreamCopy(void* to, const void* from, std::size_t bytes) {
    if (HasSse2())
        Stream(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), bytes);
    else
        __movsb(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), bytes);
}

void CopyPiece(void* to, const void* from, std::size_t bytes, bool stream) {
    // Short pieces (a grating block's squares) gain nothing by streaming.
    const std::size_t streamedBytes = 2048;
    if (stream && bytes >= streamedBytes)
        StreamCopy(to, from, bytes);
    else if (bytes >= stringBytes)
        __movsb(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), bytes);
    else
        std::memcpy(to, from, bytes);
}

void FillPiece(void* to, std::uint32_t pixel, std::size_t count, int bytesPerPixel) {
    if (bytesPerPixel == 1) {
        std::memset(to, static_cast<unsigned char>(pixel), count);
    } else if (count * 4 >= stringBytes) {
        __stosd(static_cast<unsigned long*>(to), pixel, count);
    } else {
        std::uint32_t* pixels = static_cast<std::uint32_t*>(to);
        for (std::size_t i = 0; i < count; ++i)
            pixels[i] = pixel;
    }
}

void CopyRowsDown(unsigned char* image, std::size_t stride, std::size_t rowBytes, int from, int end,
                  int period) {
    if (stride != rowBytes) {
        for (int y = from; y < end; ++y)
            CopyPiece(image + static_cast<std::size_t>(y) * stride,
                      image + static_cast<std::size_t>(y - period) * stride, rowBytes, false);
        return;
    }
    // One long copy writes quicker than many short ones (measured at 3840x2160: a row at a time 1.23
    // fills, four at a time 1.0), from as far above as a multiple of the period allows and the rows
    // copied stay in the second-level cache.
    const std::size_t reachBytes = 64 * 1024;
    const int reach = static_cast<int>(std::max<std::size_t>(1, reachBytes / rowBytes));
    const int seed = from - period;
    for (int y = from; y < end;) {
        const int back = period * std::max(1, std::min(y - seed, reach) / period);
        const int rows = std::min(back, end - y);
        CopyPiece(image + static_cast<std::size_t>(y) * rowBytes,
                  image + static_cast<std::size_t>(y - back) * rowBytes,
                  static_cast<std::size_t>(rows) * rowBytes, false);
        y += rows;
    }
}
