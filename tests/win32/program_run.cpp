#include "tests/win32/program_run.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/win32/program_file.h"

ProgramRun runProgram(const std::function<void(Ui&)>& script) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  std::string commandLine = "\"" + programPath() + "\"";
  run.started = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &process);
  ::CloseHandle(writeEnd);
  if (!run.started) {
    ::CloseHandle(readEnd);
    return run;
  }

  std::thread reader([&] {
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
      run.output.append(buffer, got);
  });

  // The dialog: the first visible dialog window of the program's thread.
  Ui probe(process.dwThreadId, nullptr);
  HWND dialog = nullptr;
  if (probe.waitUntil([&] { return (dialog = probe.popup()) != nullptr; })) {
    Ui ui(process.dwThreadId, dialog);
    script(ui);
  } else {
    ADD_FAILURE() << "the program's dialog did not appear";
  }

  if (::WaitForSingleObject(process.hProcess, kWaitLimitMs) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process.hProcess, &run.exitCode);
  } else {
    ADD_FAILURE() << "the program did not end";
    ::TerminateProcess(process.hProcess, 1);
    ::WaitForSingleObject(process.hProcess, kWaitLimitMs);
  }
  reader.join();
  ::CloseHandle(readEnd);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return run;
}
