// The conversion request: the engine's entry point. Converts a slash-separated path between absolute and
// relative form against a base directory, builds the result in the caller's buffer and writes a trace of
// its working.
#pragma once

#include <cstddef>

#include "engine/trace.h"

constexpr int MODE_ABS_TO_REL = 1, MODE_REL_TO_ABS = 2;
constexpr int CONV_OK = 1, CONV_FAILED = 2, CONV_BAD_PARAM = 3, CONV_BUF_SHORT = 4;

// The longest path, in bytes without its terminator, that a request accepts for either argument.
constexpr size_t kMaxPathLength = 4095;

// Converts `target` against `base` in `mode` into `out`, a buffer of `outSize` bytes, writing the trace to
// standard output. On return `out` holds the NUL-terminated result (empty unless the code is CONV_OK) and
// every byte after it is zero; no byte at or past out + outSize is written; `base` and `target` are unchanged.
int convertPath(const char* base, const char* target, char* out, size_t outSize, int mode);

// The same request with the trace sent where the caller chooses (another stream, or nowhere).
int convertPath(const char* base, const char* target, char* out, size_t outSize, int mode,
                const Trace& trace);
