// Runs the built Trailwick.exe as its own process, its standard output read through a pipe, while a script
// drives its dialog from outside.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/win32/ui_driver.h"

struct ProgramRun {
  bool started = false;
  DWORD exitCode = 0xFFFFFFFF;  // stays so when the program did not end in time
  std::string output;           // standard output, bytes as written
};

ProgramRun runProgram(const std::function<void(Ui&)>& script);
