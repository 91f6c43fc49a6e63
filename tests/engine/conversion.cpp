#include "conversion.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr size_t kGuard = 32;
constexpr char kGuardByte = '\x5A';

}  // namespace

Conversion convert(const std::string& base, const std::string& target, int mode, size_t outSize) {
  std::vector<char> buffer(outSize + kGuard, kGuardByte);
  for (size_t i = 0; i < outSize; ++i) buffer[i] = "stale text "[i % 11];
  // The caller's strings live in buffers of their own, so that any write to them shows.
  std::vector<char> baseBytes(base.c_str(), base.c_str() + base.size() + 1);
  std::vector<char> targetBytes(target.c_str(), target.c_str() + target.size() + 1);

  // A temporary file in binary mode gives the trace's bytes back exactly, on every platform.
  Conversion c;
  std::FILE* stream = std::tmpfile();
  if (stream == nullptr) {
    ADD_FAILURE() << "no temporary file for the trace";
    return c;
  }
  c.code = convertPath(baseBytes.data(), targetBytes.data(), buffer.data(), outSize, mode, Trace(stream));
  std::rewind(stream);
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) c.trace.append(chunk, n);
  std::fclose(stream);

  size_t end = 0;
  while (end < outSize && buffer[end] != '\0') ++end;
  c.result.assign(buffer.data(), end);
  c.restZero = true;
  for (size_t i = end; i < outSize; ++i) c.restZero &= buffer[i] == '\0';
  c.guardKept = true;
  for (size_t i = outSize; i < buffer.size(); ++i) c.guardKept &= buffer[i] == kGuardByte;
  c.inputsKept = std::string(baseBytes.data(), baseBytes.size() - 1) == base &&
                 std::string(targetBytes.data(), targetBytes.size() - 1) == target;
  return c;
}
