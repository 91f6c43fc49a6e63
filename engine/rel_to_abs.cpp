#include "engine/rel_to_abs.h"

#include <cstring>

#include "engine/convert_path.h"
#include "engine/trace_texts.h"
#include "engine/working_path.h"

namespace {

// The base's segments, rewritten in place by the walk into the result's segments. Each segment of the
// path to convert adds at most one, so the base's and the path's segments fit together.
using ResultTable = SegmentTableOf<2 * segmentsFor(kMaxPathLength)>;

bool isDot(const char* segment) { return segment[0] == '.' && segment[1] == '\0'; }
bool isDotDot(const char* segment) { return segment[0] == '.' && segment[1] == '.' && segment[2] == '\0'; }

}  // namespace

int relToAbs(WorkingPath base, WorkingPath target, ResultWriter& result, const Trace& trace) {
  // Only the first byte decides: a '/' further on is an ordinary separator.
  if (target.isAbsolute()) {
    trace.print("%s", "\n第二引数には相対パスを指定してください！\n");
    return CONV_BAD_PARAM;
  }
  // Asked before splitting cuts the copies.
  const bool baseEndsWithSeparator = base.endsWithSeparator();
  const bool targetEndsWithSeparator = target.endsWithSeparator();
  const int baseStart = base.isAbsolute() ? 1 : 0;  // exactly one leading '/' is dropped

  SegmentTable directories;
  ResultTable baseDirectories;
  const int dirIndex = splitPath(target.text, 0, directories);
  int dirbaseIndex = splitPath(base.text, baseStart, baseDirectories);
  printSegments(trace, "baseDirectories[%d] = %s\n", baseDirectories, dirbaseIndex);
  printSegments(trace, "directories[%d] = %s\n", directories, dirIndex);
  trace.print("dirIndex = %d\n", dirIndex);
  trace.print("dirbaseIndex = %d\n", dirbaseIndex);

  // From here dirbaseIndex is the write position: how many leading slots make up the result so far. A
  // trailing '/' on the base leaves an empty last slot, which the first store replaces.
  if (!baseEndsWithSeparator) {
    trace.print("%s", "こんにちは\n");
    ++dirbaseIndex;
  }
  trace.print("dirbaseIndex = %d\n", dirbaseIndex);

  // The walk: "." stays, ".." climbs one level but never above the top, anything else (empty segments
  // and names such as "..." or ".x" included) descends. The base's own segments are never interpreted.
  for (int i = 0; i <= dirIndex; ++i) {
    const char* segment = directories.segment[i];
    if (isDot(segment)) continue;
    if (isDotDot(segment)) {
      if (dirbaseIndex > 0) --dirbaseIndex;
      continue;
    }
    if (dirbaseIndex >= ResultTable::kCapacity) break;  // cannot happen: see ResultTable
    baseDirectories.segment[dirbaseIndex++] = segment;
  }

  // Assemble: '/' and the text of each non-empty slot, so empty segments of either path vanish and the
  // result is absolute also for a base that is not. Climbing to the top leaves the root.
  for (int k = 0; k < dirbaseIndex; ++k) {
    const char* segment = baseDirectories.segment[k];
    if (segment[0] == '\0') continue;
    result.put('/');
    result.append(segment);
  }
  if (result.length() == 0) {
    result.put('/');
  } else if (targetEndsWithSeparator) {
    result.put('/');  // the path to convert named a directory; the root already ends with '/'
  }

  trace.print("%s", "\n");
  if (!result.fits()) {
    trace.print("%s", kTraceBufferShort);
    return CONV_BUF_SHORT;
  }
  trace.print("%s", kTraceConverted);
  return CONV_OK;
}
