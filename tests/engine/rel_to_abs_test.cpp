// Relative to absolute: results, result codes and the trace.
#include <string>

#include <gtest/gtest.h>

#include "conversion.h"

namespace {

TEST(RelToAbs, DialogExampleTraceByteForByte) {
  const Conversion c = convert("/var/log", "../www/html/index.html", MODE_REL_TO_ABS);
  EXPECT_EQ(c.code, CONV_OK);
  EXPECT_EQ(c.result, "/var/www/html/index.html");
  EXPECT_EQ(c.trace,
            "baseDirectories[0] = var\n"
            "baseDirectories[1] = log\n"
            "directories[0] = ..\n"
            "directories[1] = www\n"
            "directories[2] = html\n"
            "directories[3] = index.html\n"
            "dirIndex = 3\n"
            "dirbaseIndex = 1\n"
            "こんにちは\n"
            "dirbaseIndex = 2\n"
            "\n"
            "変換しました。\n"
            "\n"
            "/var/www/html/index.html\n");
}

TEST(RelToAbs, BaseWithTrailingSeparator) {
  const Conversion c = convert("/var/log/", "../www/html/index.html", MODE_REL_TO_ABS);
  EXPECT_EQ(c.result, "/var/www/html/index.html");
  EXPECT_EQ(c.trace,
            "baseDirectories[0] = var\nbaseDirectories[1] = log\nbaseDirectories[2] = \n"
            "directories[0] = ..\ndirectories[1] = www\ndirectories[2] = html\ndirectories[3] = index.html\n"
            "dirIndex = 3\ndirbaseIndex = 2\ndirbaseIndex = 2\n\n変換しました。\n\n"
            "/var/www/html/index.html\n");
}

struct RelCase {
  const char* base;
  const char* target;
  const char* result;
  int dirIndex;
  int dirbaseIndexSplit;
  bool hello;  // whether "こんにちは" is written: the base does not end with '/'
  int dirbaseIndexAdjusted;
};

TEST(RelToAbs, ResultsAndIndices) {
  const RelCase cases[] = {
      {"/var/log", ".", "/var/log", 0, 1, true, 2},
      {"/var/log", "./x", "/var/log/x", 1, 1, true, 2},
      {"/var/log", "x/.", "/var/log/x", 1, 1, true, 2},
      {"/var/log", "a//b", "/var/log/a/b", 2, 1, true, 2},
      {"/var/log", "x/", "/var/log/x/", 1, 1, true, 2},
      {"/var/log", "x//", "/var/log/x/", 2, 1, true, 2},
      {"/var/log", "x/./", "/var/log/x/", 2, 1, true, 2},
      {"/var/log", "x/./y/../z", "/var/log/x/z", 4, 1, true, 2},
      {"/var/log", "..", "/var", 0, 1, true, 2},
      {"/var/log", "../", "/var/", 1, 1, true, 2},
      {"/var/log/", "..", "/var", 0, 2, false, 2},
      {"/var/log", "x/..", "/var/log", 1, 1, true, 2},
      {"/var/log", "x/../../y", "/var/y", 3, 1, true, 2},
      {"/var/log", "..//x", "/var/x", 2, 1, true, 2},
      {"/var/log", "../../x", "/x", 2, 1, true, 2},
      {"/var/log", "...", "/var/log/...", 0, 1, true, 2},
      {"/", "x", "/x", 0, 0, false, 0},
      {"/", "./", "/", 1, 0, false, 0},
      {"var/log", "x", "/var/log/x", 0, 1, true, 2},  // a relative base is made absolute
      {"var", "x", "/var/x", 0, 0, true, 1},
      {"/var//log", "x", "/var/log/x", 0, 2, true, 3},
      {"//var", "x", "/var/x", 0, 1, true, 2},
      {"/var/./log", "x", "/var/./log/x", 0, 2, true, 3},  // the base is never interpreted
      {"/var/../log", "x", "/var/../log/x", 0, 2, true, 3},
      {"/データ/ログ", "../画像/a.png", "/データ/画像/a.png", 2, 1, true, 2},
      // Climbing exactly to the top gives the root, with no doubled separator.
      {"/var/log", "../..", "/", 1, 1, true, 2},
      {"/var/log", "../../", "/", 2, 1, true, 2},
      {"/", ".", "/", 0, 0, false, 0},
      // ".." at the top stays at the top.
      {"/var/log", "../../../x", "/x", 3, 1, true, 2},
      {"/var/log", "../../../", "/", 3, 1, true, 2},
      // An empty path has no last byte: it does not end with '/'.
      {"/var/log", "", "/var/log", 0, 1, true, 2},
      {"", "x", "/x", 0, 0, true, 1},
  };
  for (const RelCase& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " with " + c.target);
    const Conversion got = convert(c.base, c.target, MODE_REL_TO_ABS);
    EXPECT_EQ(got.code, CONV_OK);
    EXPECT_EQ(got.result, c.result);
    const std::string tail = "dirIndex = " + std::to_string(c.dirIndex) + "\ndirbaseIndex = " +
                             std::to_string(c.dirbaseIndexSplit) + "\n" + (c.hello ? "こんにちは\n" : "") +
                             "dirbaseIndex = " + std::to_string(c.dirbaseIndexAdjusted) + "\n\n変換しました。\n\n" +
                             c.result + "\n";
    ASSERT_GE(got.trace.size(), tail.size());
    EXPECT_EQ(got.trace.substr(got.trace.size() - tail.size()), tail);
  }
}

TEST(RelToAbs, RefusesAnAbsolutePathToConvert) {
  for (const char* target : {"/etc", "/", "//x"}) {
    SCOPED_TRACE(target);
    const Conversion c = convert("/var/log", target, MODE_REL_TO_ABS);
    EXPECT_EQ(c.code, CONV_BAD_PARAM);
    EXPECT_EQ(c.result, "");
    EXPECT_TRUE(c.restZero);
    EXPECT_EQ(c.trace, "\n第二引数には相対パスを指定してください！\n\n");
  }
}

TEST(RelToAbs, LongestResultOfShortPaths) {
  const std::string base(49, 'b'), target(49, 't');
  EXPECT_EQ(convert(base, target, MODE_REL_TO_ABS).result, "/" + base + "/" + target);
}

}  // namespace
