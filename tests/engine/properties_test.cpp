// Properties over generated paths: the two directions undo each other, and on normalised paths both agree
// with std::filesystem's lexical operations, up to the one documented difference (a trailing '/').
#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "conversion.h"

namespace {

namespace fs = std::filesystem;

// Few names, so that generated paths often share their leading segments.
const char* const kNames[] = {"a", "b", "ab", "x.y", "データ"};

std::string normalisedAbsolute(std::mt19937& rng) {
  const int depth = static_cast<int>(rng() % 6);
  if (depth == 0) return "/";
  std::string path;
  for (int i = 0; i < depth; ++i) path += std::string("/") + kNames[rng() % 5];
  return path;
}

// "." or some ".." steps followed by some names.
std::string normalisedRelative(std::mt19937& rng) {
  std::string path;
  for (int up = static_cast<int>(rng() % 4); up > 0; --up) path += "../";
  for (int names = static_cast<int>(rng() % 4); names > 0; --names) path += std::string(kNames[rng() % 5]) + "/";
  if (path.empty()) return ".";
  path.pop_back();
  return path;
}

std::string withoutTrailingSeparator(std::string path) {
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string absToRel(const std::string& base, const std::string& target) {
  const Conversion c = convert(base, target, MODE_ABS_TO_REL);
  EXPECT_EQ(c.code, CONV_OK) << base << " with " << target;
  return c.result;
}

std::string relToAbs(const std::string& base, const std::string& target) {
  const Conversion c = convert(base, target, MODE_REL_TO_ABS);
  EXPECT_EQ(c.code, CONV_OK) << base << " with " << target;
  return c.result;
}

TEST(Properties, RelativeToAbsoluteUndoesAbsoluteToRelative) {
  std::mt19937 rng(20261211);
  for (int i = 0; i < 2000; ++i) {
    const std::string base = normalisedAbsolute(rng), target = normalisedAbsolute(rng);
    const std::string relative = absToRel(base, target);
    EXPECT_NE(relative.front(), '/') << base << " with " << target;
    EXPECT_EQ(withoutTrailingSeparator(relToAbs(base, relative)), target)
        << base << " with " << target << " via " << relative;
  }
}

TEST(Properties, AgreesWithFilesystemLexicalOperations) {
  std::mt19937 rng(4095);
  for (int i = 0; i < 2000; ++i) {
    const std::string base = normalisedAbsolute(rng), target = normalisedAbsolute(rng);
    EXPECT_EQ(withoutTrailingSeparator(absToRel(base, target)),
              fs::path(target).lexically_relative(base).generic_string())
        << base << " with " << target;

    const std::string relative = normalisedRelative(rng);
    EXPECT_EQ(relToAbs(base, relative),
              withoutTrailingSeparator((fs::path(base) / relative).lexically_normal().generic_string()))
        << base << " with " << relative;
  }
}

}  // namespace
