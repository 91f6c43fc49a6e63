#include "engine/abs_to_rel.h"

#include <cstring>

#include "engine/convert_path.h"
#include "engine/trace_texts.h"
#include "engine/working_path.h"

namespace {

// The length of segment k of a table whose last index is `lastIndex`, for a path that ends at `end`.
// A segment ends where the next one begins, less the NUL that replaced the separator between them.
size_t segmentLength(const SegmentTable& table, int k, int lastIndex, const char* end) {
  const char* next = k < lastIndex ? table.segment[k + 1] - 1 : end;
  return static_cast<size_t>(next - table.segment[k]);
}

}  // namespace

int absToRel(WorkingPath base, WorkingPath target, ResultWriter& result, const Trace& trace) {
  // A path relative to the base exists only when both are absolute or both are relative. An empty path
  // to convert is not absolute, so against an absolute base it is refused too.
  const bool baseIsAbsolute = base.isAbsolute();
  if (baseIsAbsolute != target.isAbsolute()) {
    trace.print("%s", "\n基準パスと変換対象パスは、両方とも絶対パスか両方とも相対パスで指定してください！\n");
    return CONV_BAD_PARAM;
  }
  const bool baseEndsWithSeparator = base.endsWithSeparator();  // asked before splitting cuts the copy

  // Both paths are split past their leading '/', if they have one.
  const int start = baseIsAbsolute ? 1 : 0;
  SegmentTable directories, baseDirectories;
  const int dirIndex = splitPath(target.text, start, directories);
  const int baseLastIndex = splitPath(base.text, start, baseDirectories);
  int dirbaseIndex = baseLastIndex;
  printSegments(trace, "baseDirectories[%d] = %s\n", baseDirectories, dirbaseIndex);
  printSegments(trace, "directories[%d] = %s\n", directories, dirIndex);

  // A trailing '/' on the base names the same directory: its empty last segment takes no part. (It can
  // leave -1: the base "/" has no segments.) A trailing '/' on the path to convert stays in play.
  if (baseEndsWithSeparator) --dirbaseIndex;

  // The run of leading segments both paths share, compared byte for byte; empty segments compare equal.
  int matchCount = 0;
  const char* const targetEnd = target.text + target.length;
  const char* const baseEnd = base.text + base.length;
  while (matchCount <= dirIndex && matchCount <= dirbaseIndex) {
    const size_t length = segmentLength(directories, matchCount, dirIndex, targetEnd);
    if (length != segmentLength(baseDirectories, matchCount, baseLastIndex, baseEnd) ||
        std::memcmp(directories.segment[matchCount], baseDirectories.segment[matchCount], length) != 0) {
      break;
    }
    ++matchCount;
  }

  // One step up for each base segment after the shared run.
  const int dot_count = dirbaseIndex + 1 - matchCount;
  trace.print("dot_count = %d\n", dot_count);

  // Both paths name the same directory: every segment of each is shared.
  const bool sameDirectory = matchCount - dirIndex == 1 && matchCount - dirbaseIndex == 1 && dot_count == 0;
  // With no step up, an empty first remaining segment would make the result begin with '/', which names
  // the root rather than a place below the base: "./" goes in front instead.
  if (dot_count == 0 && !sameDirectory && directories.segment[matchCount][0] == '\0') result.put('.');

  result.appendRepeated("../", dot_count);
  if (sameDirectory) result.put('.');
  // The remaining segments of the path to convert, each followed by '/'. Empty ones leave doubled
  // separators; ".." is not interpreted. They lie one after another in the cut working copy, each ended
  // by the NUL that replaced its separator: copy them in one piece, then put the separators back.
  if (matchCount <= dirIndex) {
    const char* rest = directories.segment[matchCount];
    const size_t restAt = result.length();
    result.appendBytes(rest, static_cast<size_t>(targetEnd - rest));
    for (int i = matchCount + 1; i <= dirIndex; ++i) {
      result.replaceAt(restAt + static_cast<size_t>(directories.segment[i] - 1 - rest), '/');
    }
    result.put('/');
  }

  // The separator after the last segment goes, unless the result is a single byte or its last segment
  // ends in '.' ("../", "b./" and ".." stay as they are).
  const size_t length = result.length();
  if (length >= 2 && result.at(length - 2) != '.') result.dropLast();

  if (!result.fits()) {
    trace.print("%s", kTraceBufferShort);
    return CONV_BUF_SHORT;
  }
  trace.print("%s", kTraceConverted);
  return CONV_OK;
}
