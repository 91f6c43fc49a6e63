// Conversions per second for short and long paths, with the trace off and into a null stream, beside
// std::filesystem's lexically_relative and lexically_normal on the same pairs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "engine/convert_path.h"

namespace {

struct Pair {
  std::string base, absolute, relative;  // absolute and relative name the same place against base
};

// The dialog's example.
Pair example() { return {"/var/log", "/var/www/html/index.html", "../www/html/index.html"}; }

// Appends "/<stem><i>" for i = 0, 1, ... while the path stays within `limit` bytes.
void grow(std::string& path, const char* stem, size_t limit) {
  for (int i = 0;; ++i) {
    const std::string segment = "/" + std::string(stem) + std::to_string(i);
    if (path.size() + segment.size() > limit) return;
    path += segment;
  }
}

// Paths of at most `bytes` each (and close to it): a shared first half, then a part of their own.
Pair longPair(size_t bytes) {
  Pair p;
  std::string shared;
  grow(shared, "segment", bytes / 2);
  p.base = shared;
  grow(p.base, "base", bytes);
  p.absolute = shared;
  grow(p.absolute, "file", bytes);
  const std::string tail = p.absolute.substr(shared.size() + 1);
  const size_t steps = std::count(p.base.begin() + shared.size(), p.base.end(), '/');
  for (size_t i = 0; i < steps && p.relative.size() + 3 + tail.size() <= bytes; ++i) p.relative += "../";
  p.relative += tail;
  return p;
}

Pair pairFor(int which) { return which == 0 ? example() : longPair(which == 1 ? 1024 : 4095); }
const char* nameFor(int which) { return which == 0 ? "example" : which == 1 ? "1KiB" : "4KiB"; }

std::FILE* nullStream() {
  static std::FILE* stream = std::fopen("/dev/null", "w");
  return stream;
}

// Heap allocations of one call of `convert`, counted outside the timed loop so that the benchmark
// library's own allocations do not mix in.
template <typename Convert>
size_t allocationsOf(Convert convert) {
  const size_t before = allocationCount();
  convert();
  return allocationCount() - before;
}

void report(benchmark::State& state, const Pair& p, const std::string& target, size_t allocations) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (p.base.size() + target.size())));
  state.counters["allocs/conv"] = static_cast<double>(allocations);
  state.counters["bytes"] = static_cast<double>(p.base.size() + target.size());
}

void BM_Engine(benchmark::State& state, int mode, bool traced) {
  const Pair p = pairFor(static_cast<int>(state.range(0)));
  const std::string& target = mode == MODE_ABS_TO_REL ? p.absolute : p.relative;
  // The dialog's buffer for the example; room for the result for long paths.
  std::vector<char> out(state.range(0) == 0 ? 1024 : 2 * (p.base.size() + target.size()) + 16);
  const Trace trace = traced ? Trace(nullStream()) : Trace::none();
  auto convert = [&] {
    const int code = convertPath(p.base.c_str(), target.c_str(), out.data(), out.size(), mode, trace);
    if (code != CONV_OK) state.SkipWithError("the conversion did not succeed");
    benchmark::DoNotOptimize(out.data());
  };
  convert();  // the first trace line gives the null stream its buffer: not the conversion's own
  const size_t allocations = allocationsOf(convert);
  for (auto _ : state) convert();
  report(state, p, target, allocations);
  state.SetLabel(nameFor(static_cast<int>(state.range(0))));
}

void BM_FilesystemRelative(benchmark::State& state) {
  const Pair p = pairFor(static_cast<int>(state.range(0)));
  auto convert = [&] {
    std::filesystem::path result = std::filesystem::path(p.absolute).lexically_relative(p.base);
    benchmark::DoNotOptimize(result);
  };
  const size_t allocations = allocationsOf(convert);
  for (auto _ : state) convert();
  report(state, p, p.absolute, allocations);
  state.SetLabel(nameFor(static_cast<int>(state.range(0))));
}

void BM_FilesystemNormal(benchmark::State& state) {
  const Pair p = pairFor(static_cast<int>(state.range(0)));
  auto convert = [&] {
    std::filesystem::path result = (std::filesystem::path(p.base) / p.relative).lexically_normal();
    benchmark::DoNotOptimize(result);
  };
  const size_t allocations = allocationsOf(convert);
  for (auto _ : state) convert();
  report(state, p, p.relative, allocations);
  state.SetLabel(nameFor(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Engine, abs_to_rel_trace_off, MODE_ABS_TO_REL, false)->DenseRange(0, 2);
BENCHMARK_CAPTURE(BM_Engine, abs_to_rel_trace_null, MODE_ABS_TO_REL, true)->DenseRange(0, 2);
BENCHMARK(BM_FilesystemRelative)->DenseRange(0, 2);
BENCHMARK_CAPTURE(BM_Engine, rel_to_abs_trace_off, MODE_REL_TO_ABS, false)->DenseRange(0, 2);
BENCHMARK_CAPTURE(BM_Engine, rel_to_abs_trace_null, MODE_REL_TO_ABS, true)->DenseRange(0, 2);
BENCHMARK(BM_FilesystemNormal)->DenseRange(0, 2);

BENCHMARK_MAIN();
