// trailwick-convert: the dialog's conversion from the command line. Writes the engine's trace to standard
// output exactly as the dialog's Convert command does, or with -q only the result.
#include <cstdio>
#include <cstring>

#include "app/conversion_messages.h"
#include "engine/convert_path.h"

namespace {

constexpr int kExitOk = 0, kExitRefused = 1, kExitUsage = 2;

const char kUsage[] =
    "usage: trailwick-convert [--abs-to-rel | --rel-to-abs] [-q | --quiet] BASE PATH\n"
    "  Converts PATH against the directory BASE, absolute to relative by default.\n"
    "  --abs-to-rel  make PATH relative to BASE (default)\n"
    "  --rel-to-abs  make the relative PATH absolute against BASE\n"
    "  -q, --quiet   print only the result, not the conversion's trace\n"
    "  --help        print this help\n";

int usageError(const char* reason, const char* detail) {
  std::fprintf(stderr, "trailwick-convert: %s%s\n%s", reason, detail, kUsage);
  return kExitUsage;
}

// The mode an option names, or 0 when it names none.
int modeOption(const char* arg) {
  if (std::strcmp(arg, "--abs-to-rel") == 0) return MODE_ABS_TO_REL;
  if (std::strcmp(arg, "--rel-to-abs") == 0) return MODE_REL_TO_ABS;
  return 0;
}

int refuse(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  return kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
  int mode = 0;
  bool quiet = false;
  const char* operands[2] = {nullptr, nullptr};
  int operandCount = 0;
  bool optionsEnded = false;

  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!optionsEnded && arg[0] == '-' && arg[1] != '\0') {
      if (std::strcmp(arg, "--") == 0) {
        optionsEnded = true;
      } else if (std::strcmp(arg, "--help") == 0) {
        std::fputs(kUsage, stdout);
        return kExitOk;
      } else if (const int chosen = modeOption(arg)) {
        if (mode != 0 && mode != chosen) return usageError("--abs-to-rel and --rel-to-abs exclude each other", "");
        mode = chosen;
      } else if (std::strcmp(arg, "-q") == 0 || std::strcmp(arg, "--quiet") == 0) {
        quiet = true;
      } else {
        return usageError("unknown option ", arg);
      }
      continue;
    }
    if (operandCount == 2) return usageError("too many arguments: ", arg);
    operands[operandCount++] = arg;
  }
  if (operandCount < 2) return usageError("BASE and PATH are both required", "");
  if (mode == 0) mode = MODE_ABS_TO_REL;

  // The dialog's own refusals, in its order.
  const char* base = operands[0];
  const char* target = operands[1];
  if (base[0] == '\0') return refuse(kMsgBasePathEmpty);
  if (target[0] == '\0') return refuse(kMsgTargetPathEmpty);

  char result[kResultBufferSize];
  const int code = convertPath(base, target, result, sizeof result, mode,
                               quiet ? Trace::none() : Trace::standardOutput());
  std::fflush(stdout);  // the trace comes before any message on a shared terminal
  if (const char* message = messageForResult(code)) return refuse(message);
  if (quiet) std::printf("%s\n", result);
  return kExitOk;
}
