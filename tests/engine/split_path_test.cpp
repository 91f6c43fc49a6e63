// Splitting a path into its segments, and listing a table in the trace.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/working_path.h"

namespace {

struct SplitCase {
  const char* path;
  int start;
  std::vector<std::string> segments;
};

std::vector<std::string> split(std::string path, int start, int* lastIndex) {
  SegmentTable table;
  *lastIndex = splitPath(path.data(), start, table);
  std::vector<std::string> segments;
  for (int k = 0; k <= *lastIndex; ++k) segments.emplace_back(table.segment[k]);
  return segments;
}

TEST(SplitPath, SegmentsAndLastIndex) {
  const SplitCase cases[] = {
      {"/a/b", 1, {"a", "b"}},
      {"/a/b/", 1, {"a", "b", ""}},
      {"a//b", 0, {"a", "", "b"}},
      {"/a", 0, {"", "a"}},
      {"/", 1, {""}},
      {"", 0, {""}},
      {"", 1, {""}},  // nothing to skip: the terminator is never passed
      {"x/y", 1, {"", "y"}},  // the skipped byte is dropped whatever it is
      {"./..", 0, {".", ".."}},
      {"\x83\x5C/\x95\x5C", 0, {"\x83\x5C", "\x95\x5C"}},  // only the byte '/' separates
  };
  for (const SplitCase& c : cases) {
    int lastIndex = -2;
    EXPECT_EQ(split(c.path, c.start, &lastIndex), c.segments) << '"' << c.path << "\" from " << c.start;
    EXPECT_EQ(lastIndex, static_cast<int>(c.segments.size()) - 1) << c.path;
  }
}

// The splitter reads long paths in blocks: separators on and around block edges, and paths that end
// inside, at and past a block, must split exactly as a plain search for '/' does.
TEST(SplitPath, SeparatorsAtEveryPositionOfLongerPaths) {
  std::mt19937 rng(16);
  for (size_t length = 0; length <= 70; ++length) {
    for (int pattern = 0; pattern < 8; ++pattern) {
      std::string path(length, 'x');
      for (char& c : path) {
        if (rng() % 4 == 0) c = '/';
      }
      std::vector<std::string> expected(1);
      for (char c : path) {
        if (c == '/') expected.emplace_back();
        else expected.back() += c;
      }
      int lastIndex = 0;
      EXPECT_EQ(split(path, 0, &lastIndex), expected) << '"' << path << '"';
    }
  }
}

TEST(SplitPath, LongestPathFillsTheTable) {
  int lastIndex = 0;
  const std::vector<std::string> segments = split(std::string(kMaxPathLength, '/'), 0, &lastIndex);
  EXPECT_EQ(lastIndex, static_cast<int>(kMaxPathLength));
  EXPECT_EQ(segments, std::vector<std::string>(kMaxPathLength + 1, ""));
}

TEST(PrintSegments, OneLinePerSegmentEmptyOnesIncluded) {
  std::string path = "/a/b/";
  SegmentTable table;
  const int lastIndex = splitPath(path.data(), 1, table);

  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  printSegments(Trace(stream), "baseDirectories[%d] = %s\n", table, lastIndex);
  printSegments(Trace(stream), "directories[%d] = %s\n", table, -1);  // below 0: nothing
  printSegments(Trace::none(), "directories[%d] = %s\n", table, lastIndex);
  std::rewind(stream);
  char text[256] = {};
  const size_t n = std::fread(text, 1, sizeof text - 1, stream);
  std::fclose(stream);
  EXPECT_EQ(std::string(text, n),
            "baseDirectories[0] = a\nbaseDirectories[1] = b\nbaseDirectories[2] = \n");
}

}  // namespace
