#include "tests/win32/stdout_capture.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>

StdoutCapture::StdoutCapture() {
  char directory[MAX_PATH] = {}, file[MAX_PATH] = {};
  if (::GetTempPathA(MAX_PATH, directory) == 0 || ::GetTempFileNameA(directory, "tw", 0, file) == 0) return;
  m_path = file;
  // Text mode, as the run-time gives standard output: "\n" goes out as CR LF.
  std::fflush(stdout);
  int fd = _open(file, _O_WRONLY | _O_TRUNC | _O_TEXT);
  if (fd < 0) return;
  m_savedStdout = _dup(1);
  _dup2(fd, 1);
  _close(fd);
}

StdoutCapture::~StdoutCapture() {
  // A failing test's messages went to the capture too: hand them on with the rest.
  std::string replay = testing::Test::HasFailure() ? text() : std::string();
  std::fflush(stdout);
  if (m_savedStdout >= 0) {
    _dup2(m_savedStdout, 1);
    _close(m_savedStdout);
  }
  if (!m_path.empty()) ::DeleteFileA(m_path.c_str());
  if (!replay.empty()) std::fwrite(replay.data(), 1, replay.size(), stdout);
}

std::string StdoutCapture::text() const {
  std::fflush(stdout);
  std::string content;
  FILE* in = std::fopen(m_path.c_str(), "rb");
  if (in == nullptr) return content;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), in)) > 0;) content.append(buffer, got);
  std::fclose(in);
  return content;
}
