// Fuzzes the conversion request: any bytes for both paths, any mode, any output size. Besides the
// sanitizers' checks it asserts what every caller relies on.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/convert_path.h"

namespace {

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "violated: %s\n", what);
  std::abort();
}

}  // namespace

// Input: a mode byte, two bytes of output size, then the base, a NUL, and the path to convert.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int mode = data[0] % 4;  // 1 and 2 convert; 0 and 3 run no converter
  const bool traced = data[0] & 0x80;
  const size_t outSize = (static_cast<size_t>(data[1]) << 8 | data[2]) % 20000;
  const char* rest = reinterpret_cast<const char*>(data + 3);
  const size_t restSize = size - 3;
  const char* nul = static_cast<const char*>(std::memchr(rest, '\0', restSize));
  const std::vector<char> base(rest, nul ? nul : rest + restSize);
  const std::vector<char> target(nul ? nul + 1 : rest + restSize, rest + restSize);
  std::vector<char> baseText(base), targetText(target);
  baseText.push_back('\0');
  targetText.push_back('\0');  // a NUL inside the path just ends it early

  // Exactly outSize bytes on the heap, so that AddressSanitizer sees any write past them.
  char* out = static_cast<char*>(std::malloc(outSize == 0 ? 1 : outSize));
  std::memset(out, 'x', outSize);
  static std::FILE* sink = std::fopen("/dev/null", "w");
  const Trace trace = traced && sink ? Trace(sink) : Trace::none();
  const int code = convertPath(baseText.data(), targetText.data(), out, outSize, mode, trace);

  require(code == CONV_OK || code == CONV_BAD_PARAM || code == CONV_BUF_SHORT, "known result code");
  size_t length = 0;
  while (length < outSize && out[length] != '\0') ++length;
  require(outSize == 0 || length < outSize, "result is terminated inside the buffer");
  for (size_t i = length; i < outSize; ++i) require(out[i] == '\0', "bytes after the result are zero");
  if (code != CONV_OK) require(length == 0, "a refused conversion leaves the buffer empty");
  if (code == CONV_OK && mode == MODE_ABS_TO_REL) require(length > 0 && out[0] != '/', "relative result");
  if (code == CONV_OK && mode == MODE_REL_TO_ABS) require(length > 0 && out[0] == '/', "absolute result");
  require(std::equal(base.begin(), base.end(), baseText.begin()), "base unchanged");
  require(std::equal(target.begin(), target.end(), targetText.begin()), "target unchanged");
  std::free(out);
  return 0;
}
