#pragma once
#include <cstddef>
#include <cstdint>

// Writing an image that does not fit in the processor's caches, ordinary stores read every cache line
// before they write it: twice the traffic of the bytes written. Streaming stores (SSE2) write without
// reading, but in an image that does fit they are slower than the cache. So a pattern that repeats rows
// copies them with StreamCopy from a row of its own (kept in cache) where StreamsFor says the image is
// that large, and with ordinary copies elsewhere.

// Whether an image of that many bytes is written faster with streaming stores on this machine: SSE2
// present and the image larger than half the largest cache.
bool StreamsFor(std::size_t imageBytes);
// Copies bytes with streaming stores where SSE2 is present, else as the string instruction does. The
// areas must not overlap.
void StreamCopy(void* to, const void* from, std::size_t bytes);
// Copies a piece of a row of an image: with streaming stores where `stream` (the image is larger than
// the caches: StreamsFor) and the piece is long enough to gain by them, else as the string instruction
// copies a long piece and memcpy a short one. The areas must not overlap.
void CopyPiece(void* to, const void* from, std::size_t bytes, bool stream);
// Sets `count` pixels of 1 or 4 bytes to `pixel`: a long piece as the string instruction does, a short
// one by a loop.
void FillPiece(void* to, std::uint32_t pixel, std::size_t count, int bytesPerPixel);
// The first rowBytes of rows from..end - 1 of an image, rows `stride` bytes apart, each the row `period`
// above it, with the rows from `from - period` on already written: copies them from above with ordinary
// stores (the rows copied from are in the cache), several rows at a time where they lie end to end.
void CopyRowsDown(unsigned char* image, std::size_t stride, std::size_t rowBytes, int from, int end,
                  int period);
