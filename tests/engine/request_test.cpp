// The conversion request: modes, buffer handling, length limits and refusals.
#include <string>

#include <gtest/gtest.h>

#include "conversion.h"

namespace {

const char kBufferShort[] = "\n出力バッファサイズが不足しています。\n";

TEST(Request, ModeWithoutConverterLeavesAnEmptyResult) {
  for (int mode : {0, 3, -1}) {
    const Conversion c = convert("/var/log", "/var/www", mode);
    EXPECT_EQ(c.code, CONV_OK) << mode;
    EXPECT_EQ(c.result, "") << mode;
    EXPECT_TRUE(c.restZero) << mode;
    EXPECT_EQ(c.trace, "\n") << mode;
  }
}

TEST(Request, ClearsTheBufferAndKeepsTheCallersStrings) {
  const char* const pairs[][2] = {
      {"/var/log", "/var/www/html/index.html"}, {"/var/log", "../www"}, {"/var/log", "/etc"}, {"/x", "y"}};
  for (int mode : {MODE_ABS_TO_REL, MODE_REL_TO_ABS, 0}) {
    for (const auto& pair : pairs) {
      SCOPED_TRACE(std::string(pair[0]) + " with " + pair[1] + " in mode " + std::to_string(mode));
      const Conversion c = convert(pair[0], pair[1], mode, 64);
      EXPECT_TRUE(c.restZero);
      EXPECT_TRUE(c.guardKept);
      EXPECT_TRUE(c.inputsKept);
      EXPECT_EQ(c.result.find("stale"), std::string::npos);
    }
  }
}

TEST(Request, NullPointersAreRefused) {
  char out[8] = "stale";
  EXPECT_EQ(convertPath(nullptr, "x", out, sizeof out, MODE_ABS_TO_REL, Trace::none()), CONV_BAD_PARAM);
  EXPECT_EQ(convertPath("x", nullptr, out, sizeof out, MODE_REL_TO_ABS, Trace::none()), CONV_BAD_PARAM);
  EXPECT_EQ(convertPath("x", "y", nullptr, 8, MODE_ABS_TO_REL, Trace::none()), CONV_BAD_PARAM);
}

TEST(Request, PathsUpTo4095BytesAreConvertedWhole) {
  // "/", 2046 segments "a/" and a last "bb": 4095 bytes, absolute.
  std::string deep = "/";
  for (int i = 0; i < 2046; ++i) deep += "a/";
  deep += "bb";
  ASSERT_EQ(deep.size(), kMaxPathLength);
  const std::string sibling = deep.substr(0, deep.size() - 2) + "cc";

  const Conversion rel = convert(deep, sibling, MODE_ABS_TO_REL, 16384);
  EXPECT_EQ(rel.code, CONV_OK);
  EXPECT_EQ(rel.result, "../cc");

  const std::string up = std::string("..").append(kMaxPathLength - 2, '/');  // "..", then empty segments
  const Conversion abs = convert(deep, up, MODE_REL_TO_ABS, 16384);
  EXPECT_EQ(abs.code, CONV_OK);
  EXPECT_EQ(abs.result, deep.substr(0, deep.size() - 2));  // ends with the trailing '/'
}

TEST(Request, LongerPathsAreRefused) {
  const std::string tooLong(kMaxPathLength + 1, 'a');
  for (int mode : {MODE_ABS_TO_REL, MODE_REL_TO_ABS}) {
    for (const auto& [base, target] : {std::pair(tooLong, std::string("x")), std::pair(std::string("x"), tooLong)}) {
      const Conversion c = convert(base, target, mode);
      EXPECT_EQ(c.code, CONV_BAD_PARAM);
      EXPECT_EQ(c.result, "");
      EXPECT_TRUE(c.restZero);
      EXPECT_EQ(c.trace, "\nパスは4095バイト以内で指定してください！\n\n");
    }
  }
}

TEST(Request, ResultMustFitWithItsTerminator) {
  struct SizeCase {
    const char* base;
    const char* target;
    int mode;
    std::string result;
  };
  const SizeCase cases[] = {
      {"/var/log", "/var/www/html/index.html", MODE_ABS_TO_REL, "../www/html/index.html"},
      {"/var/log", "../www/html/index.html", MODE_REL_TO_ABS, "/var/www/html/index.html"},
      {"/a/b/c", "/a", MODE_ABS_TO_REL, "../../"},
      {"/a/b", "/a/b/", MODE_ABS_TO_REL, "./"},
      {"/var/log", "../..", MODE_REL_TO_ABS, "/"},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " with " + c.target);
    const size_t needed = c.result.size() + 1;

    const Conversion fits = convert(c.base, c.target, c.mode, needed);
    EXPECT_EQ(fits.code, CONV_OK);
    EXPECT_EQ(fits.result, c.result);
    EXPECT_TRUE(fits.guardKept);

    for (size_t size : {needed - 1, size_t{1}, size_t{0}}) {
      const Conversion shortBuffer = convert(c.base, c.target, c.mode, size);
      EXPECT_EQ(shortBuffer.code, CONV_BUF_SHORT) << size;
      EXPECT_EQ(shortBuffer.result, "") << size;
      EXPECT_TRUE(shortBuffer.restZero) << size;
      EXPECT_TRUE(shortBuffer.guardKept) << size;
      // The trace is the same as for a conversion that fits, up to the completion line.
      const std::string completion = std::string("変換しました。\n\n") + c.result + "\n";
      const std::string common = fits.trace.substr(0, fits.trace.size() - completion.size());
      EXPECT_EQ(shortBuffer.trace, common + kBufferShort + "\n") << size;
    }
  }
}

TEST(Request, ZeroSizedBufferWithoutConverter) {
  const Conversion c = convert("/a", "/b", 0, 0);
  EXPECT_EQ(c.code, CONV_BUF_SHORT);
  EXPECT_TRUE(c.guardKept);
  EXPECT_EQ(c.trace, std::string(kBufferShort) + "\n");
}

TEST(Request, WritesTheTraceToStandardOutput) {
  testing::internal::CaptureStdout();
  char out[64];
  const int code = convertPath("/var/log", "/var/www", out, sizeof out, MODE_ABS_TO_REL);
  const std::string captured = testing::internal::GetCapturedStdout();
  EXPECT_EQ(code, CONV_OK);
  EXPECT_EQ(captured.substr(captured.size() - 7), "../www\n");
}

}  // namespace
