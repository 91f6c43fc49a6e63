// Where the built program lies: beside the test program.
#pragma once

#include <windows.h>

#include <string>

inline std::string programPath() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path, length < MAX_PATH ? length : 0);
  return file.substr(0, file.rfind('\\') + 1) + "Trailwick.exe";
}
