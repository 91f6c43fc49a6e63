// The request's private copy of a path, and the segment tables sized for such copies.
#pragma once

#include <cstddef>

#include "engine/convert_path.h"
#include "engine/segment_table.h"

// A working copy of at most kMaxPathLength bytes plus its terminator. The converters cut it in place.
struct WorkingPath {
  char* text;
  size_t length;

  bool isAbsolute() const { return text[0] == '/'; }
  // An empty path has no last byte, so it does not end with '/'.
  bool endsWithSeparator() const { return length > 0 && text[length - 1] == '/'; }
};

// The segments of one working copy.
using SegmentTable = SegmentTableOf<segmentsFor(kMaxPathLength)>;
