#include "engine/convert_path.h"

#include <cstring>

#include "engine/abs_to_rel.h"
#include "engine/rel_to_abs.h"
#include "engine/result_writer.h"
#include "engine/trace_texts.h"
#include "engine/working_path.h"

namespace {

// The length of `text`, or kMaxPathLength + 1 for anything longer: never scans past that.
size_t boundedLength(const char* text) { return strnlen(text, kMaxPathLength + 1); }

int runConverter(int mode, WorkingPath base, WorkingPath target, ResultWriter& result,
                 const Trace& trace) {
  switch (mode) {
    case MODE_ABS_TO_REL: return absToRel(base, target, result, trace);
    case MODE_REL_TO_ABS: return relToAbs(base, target, result, trace);
    default:
      // No converter: the result is empty, which still needs room for its terminator.
      if (!result.fits()) {
        trace.print("%s", kTraceBufferShort);
        return CONV_BUF_SHORT;
      }
      return CONV_OK;
  }
}

}  // namespace

int convertPath(const char* base, const char* target, char* out, size_t outSize, int mode) {
  return convertPath(base, target, out, outSize, mode, Trace::standardOutput());
}

int convertPath(const char* base, const char* target, char* out, size_t outSize, int mode,
                const Trace& trace) {
  if (base == nullptr || target == nullptr || out == nullptr) {
    trace.print("%s", "\n");
    return CONV_BAD_PARAM;
  }
  std::memset(out, 0, outSize);
  // The last line of every trace is the result, empty unless the conversion succeeded.
  auto finish = [&](int code) {
    trace.print("%s\n", outSize == 0 ? "" : out);
    return code;
  };

  const size_t baseLength = boundedLength(base);
  const size_t targetLength = boundedLength(target);
  if (baseLength > kMaxPathLength || targetLength > kMaxPathLength) {
    trace.print("%s", "\nパスは4095バイト以内で指定してください！\n");
    return finish(CONV_BAD_PARAM);
  }

  // Private copies: the converters cut them apart, and the caller's strings are never written.
  char baseCopy[kMaxPathLength + 1];
  char targetCopy[kMaxPathLength + 1];
  std::memcpy(baseCopy, base, baseLength + 1);
  std::memcpy(targetCopy, target, targetLength + 1);

  ResultWriter result(out, outSize);
  const int code = runConverter(mode, {baseCopy, baseLength}, {targetCopy, targetLength}, result, trace);
  if (code != CONV_OK) result.clear();
  return finish(code);
}
