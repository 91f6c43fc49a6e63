// A path taken apart at its separators. Only the byte '/' separates; every other byte, each byte of a
// multibyte character included, belongs to a segment. Splitting cuts the path in place (each scanned '/'
// becomes a NUL), so a segment is a NUL-terminated string inside the caller's working copy and the table
// holds only where each one starts: its size is fixed by its capacity, not by the segments' lengths, and
// nothing of it is cleared or copied beyond what the path uses.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/trace.h"

// The most segments a path of `length` bytes can split into: one more than its separators.
constexpr int segmentsFor(size_t length) { return static_cast<int>(length) + 1; }

template <int Capacity>
struct SegmentTableOf {
  static constexpr int kCapacity = Capacity;
  const char* segment[Capacity];  // segment[k]: the text of segment k, valid for k <= the last index
};

// Splits `path` from byte `start` (0 or 1: how many leading bytes are skipped) into `table` and returns
// the last index, which equals the number of separators scanned. Adjacent separators give an empty segment
// between them, a trailing separator an empty last one, and an empty path a single empty segment.
// A path with more separators than the table holds stops splitting at the last slot; the callers' paths
// are short enough that this never happens.
template <int Capacity>
int splitPath(char* path, int start, SegmentTableOf<Capacity>& table) {
  char* p = path;
  for (int skipped = 0; skipped < start && *p != '\0'; ++skipped) ++p;  // never past the terminator
  char* const end = p + std::strlen(p);
  int last = 0;
  table.segment[0] = p;
  // Cuts at the separator at `at`; false when the table is full.
  auto cut = [&](char* at) {
    if (last + 1 >= Capacity) return false;
    *at = '\0';
    table.segment[++last] = at + 1;
    return true;
  };
#if defined(__SSE2__)
  // Sixteen bytes at a time: a mask with one bit per '/' byte, then one cut per bit. Segments are short,
  // so this beats a search call per segment.
  const __m128i slash = _mm_set1_epi8('/');
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, slash))); mask != 0;
         mask &= mask - 1) {
      if (!cut(p + __builtin_ctz(mask))) return last;
    }
  }
#endif
  for (; p < end; ++p) {
    if (*p == '/' && !cut(p)) return last;
  }
  return last;
}

// One trace line for each segment 0 to `lastIndex`, formatted with the index and the segment's text.
// A `lastIndex` below 0 writes nothing.
template <int Capacity>
void printSegments(const Trace& trace, const char* format, const SegmentTableOf<Capacity>& table,
                   int lastIndex) {
  if (!trace.enabled()) return;
  for (int k = 0; k <= lastIndex; ++k) trace.print(format, k, table.segment[k]);
}
