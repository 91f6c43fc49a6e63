// The test program's application object: the real application class, with the call into the system's help
// engine replaced by a recorder that reports failure, so F1 can be followed without starting WinHelp.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "app/converter_app.h"

class TestApp : public CConverterApp {
 public:
  struct HelpRequest {
    std::string file;
    UINT command;
    DWORD_PTR data;
  };

  std::vector<HelpRequest> takeHelpRequests();

 protected:
  BOOL CallHelpEngine(HWND owner, const char* helpFile, UINT command, DWORD_PTR data) override;

 private:
  std::mutex m_mutex;  // requests are recorded on the dialog's thread and read on the driver's
  std::vector<HelpRequest> m_helpRequests;
};

TestApp& testApp();
