// Runs one conversion request for a test and keeps everything a caller can observe of it.
#pragma once

#include <cstddef>
#include <string>

#include "engine/convert_path.h"

struct Conversion {
  int code = 0;
  std::string result;       // the NUL-terminated text in the output buffer
  std::string trace;        // everything the request wrote to its trace
  bool restZero = false;    // every byte of the buffer after the result's terminator is zero
  bool guardKept = false;   // no byte past the buffer's end was written
  bool inputsKept = false;  // the caller's two strings are byte for byte what they were
};

// Converts with an output buffer of `outSize` bytes that first holds stale text and is followed by guard
// bytes, capturing the trace.
Conversion convert(const std::string& base, const std::string& target, int mode, size_t outSize = 1024);
