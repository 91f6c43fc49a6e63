// Sends this process's standard output to a file for as long as the object lives, so a test can read what
// the program printed, bytes as the run-time wrote them (text mode: "\n" as CR LF). When the test has
// failed by the end, what was captured (its failure messages among it) is printed after all.
#pragma once

#include <string>

class StdoutCapture {
 public:
  StdoutCapture();
  ~StdoutCapture();
  StdoutCapture(const StdoutCapture&) = delete;
  StdoutCapture& operator=(const StdoutCapture&) = delete;

  // Everything written so far (the stream is flushed first); callable from any thread.
  std::string text() const;

 private:
  std::string m_path;
  int m_savedStdout = -1;
};
