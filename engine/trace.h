// Where a conversion writes its trace: a C stream (standard output for the dialog), or nowhere.
#pragma once

#include <cstdio>

class Trace {
 public:
  explicit Trace(std::FILE* stream) : stream_(stream) {}
  static Trace none() { return Trace(nullptr); }
  static Trace standardOutput() { return Trace(stdout); }

  bool enabled() const { return stream_ != nullptr; }

  // printf-style formatted output to the stream; nothing when the trace is off. Inline, so that a
  // conversion with the trace off pays only the test. Every call passes at least one argument.
  template <typename... Args>
  void print(const char* format, Args... args) const {
    if (stream_ != nullptr) std::fprintf(stream_, format, args...);
  }

 private:
  std::FILE* stream_;
};
