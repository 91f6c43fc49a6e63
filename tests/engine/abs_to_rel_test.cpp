// Absolute to relative: results, result codes and the trace.
#include <string>

#include <gtest/gtest.h>

#include "conversion.h"

namespace {

const char kConverted[] = "変換しました。\n\n";

TEST(AbsToRel, DialogExampleTraceByteForByte) {
  const Conversion c = convert("/var/log", "/var/www/html/index.html", MODE_ABS_TO_REL);
  EXPECT_EQ(c.code, CONV_OK);
  // No line feed at the end of the result, and so no empty line after the result line.
  EXPECT_EQ(c.result, "../www/html/index.html");
  EXPECT_EQ(c.trace,
            "baseDirectories[0] = var\n"
            "baseDirectories[1] = log\n"
            "directories[0] = var\n"
            "directories[1] = www\n"
            "directories[2] = html\n"
            "directories[3] = index.html\n"
            "dot_count = 1\n"
            "変換しました。\n"
            "\n"
            "../www/html/index.html\n");
  EXPECT_TRUE(c.restZero);
}

TEST(AbsToRel, TrailingSeparatorOfTheBaseIsListedButTakesNoPart) {
  const Conversion c = convert("/a/b/", "/a/b/c", MODE_ABS_TO_REL);
  EXPECT_EQ(c.result, "c");
  EXPECT_EQ(c.trace,
            "baseDirectories[0] = a\nbaseDirectories[1] = b\nbaseDirectories[2] = \n"
            "directories[0] = a\ndirectories[1] = b\ndirectories[2] = c\n"
            "dot_count = 0\n" + std::string(kConverted) + "c\n");
}

struct AbsCase {
  const char* base;
  const char* target;
  int dotCount;
  const char* result;
};

TEST(AbsToRel, Results) {
  const AbsCase cases[] = {
      {"/var/log", "/var/www/html/index.html", 1, "../www/html/index.html"},
      {"/a/b", "/a/b/c/d", 0, "c/d"},
      {"/a/b/c", "/a/d", 2, "../../d"},
      {"/a/b", "/c/d", 2, "../../c/d"},
      {"/a/b", "/a/c/b", 1, "../c/b"},
      {"/a/x/c", "/a/y/c", 2, "../../y/c"},  // the shared run ends at the first difference
      {"/a/b/c", "/a", 2, "../../"},         // an ancestor: only steps up, separator kept
      {"/a/b/c", "/a/b", 1, "../"},
      {"/a/b", "/a/b", 0, "."},
      {"/a/b/", "/a/b", 0, "."},
      {"/a", "/a/b/", 0, "b/"},  // a trailing '/' on the path to convert stays
      {"/", "/x/y", 0, "x/y"},
      {"/a//b", "/a//b/c", 0, "c"},  // empty segments compare equal
      {"/a", "/a/b.", 0, "b./"},     // a last segment ending in '.' keeps its separator
      {"/a/b", "/a/b/..", 0, "../"},  // ".." is not interpreted
      {"/A/b", "/a/b", 2, "../../a/b"},  // comparison is case-sensitive
      {"a/b", "a/b/c", 0, "c"},  // both relative
      {"/データ/ログ", "/データ/画像/a.png", 1, "../画像/a.png"},
      // Results that would begin with '/' and so name the root get "." in front.
      {"/a/b", "/a/b/", 0, "./"},
      {"/", "/", 0, "./"},
      {"/a", "/a//b", 0, "./b"},
  };
  for (const AbsCase& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " with " + c.target);
    const Conversion got = convert(c.base, c.target, MODE_ABS_TO_REL);
    EXPECT_EQ(got.code, CONV_OK);
    EXPECT_EQ(got.result, c.result);
    const std::string tail = "dot_count = " + std::to_string(c.dotCount) + "\n" + kConverted + c.result + "\n";
    ASSERT_GE(got.trace.size(), tail.size());
    EXPECT_EQ(got.trace.substr(got.trace.size() - tail.size()), tail);
  }
}

TEST(AbsToRel, RefusesOneAbsoluteAndOneRelativePath) {
  const char kRefusal[] = "\n基準パスと変換対象パスは、両方とも絶対パスか両方とも相対パスで指定してください！\n\n";
  const char* const pairs[][2] = {{"/x", "ab"}, {"x", "/x/y"}, {"/a/b", ""}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(std::string(pair[0]) + " with " + pair[1]);
    const Conversion c = convert(pair[0], pair[1], MODE_ABS_TO_REL);
    EXPECT_EQ(c.code, CONV_BAD_PARAM);
    EXPECT_EQ(c.result, "");
    EXPECT_TRUE(c.restZero);
    EXPECT_EQ(c.trace, kRefusal);
  }
}

TEST(AbsToRel, LongestRelativePairOfShortPaths) {
  // A relative base of 49 bytes with 47 separators against a 49-byte name: 48 steps up.
  const std::string base = "x" + std::string(47, '/') + "y";
  const std::string target(49, 'n');
  const Conversion c = convert(base, target, MODE_ABS_TO_REL);
  EXPECT_EQ(c.code, CONV_OK);
  std::string expected;
  for (int i = 0; i < 48; ++i) expected += "../";
  EXPECT_EQ(c.result, expected + target);
}

}  // namespace
