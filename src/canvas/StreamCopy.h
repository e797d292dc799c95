#pragma once
#include <cstddef>

// Copies bytes with stores that do not read the destination's cache lines first (SSE2 streaming
// stores), where the processor has them: a pattern that copies its rows down then writes memory once,
// as a fill does. Elsewhere it copies as the string instruction does. The areas must not overlap.
void StreamCopy(void* to, const void* from, std::size_t bytes);
