// Entry of the Windows test program: sets up the application object the way the program entry does, then
// runs the tests.
#include <gtest/gtest.h>

#include "tests/win32/test_app.h"

namespace {
TestApp app;
}

TestApp& testApp() { return app; }

std::vector<TestApp::HelpRequest> TestApp::takeHelpRequests() {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::vector<HelpRequest> requests;
  requests.swap(m_helpRequests);
  return requests;
}

BOOL TestApp::CallHelpEngine(HWND, const char* helpFile, UINT command, DWORD_PTR data) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_helpRequests.push_back({helpFile, command, data});
  return FALSE;
}

int main(int argc, char** argv) {
  app.InitApplication(::GetModuleHandleA(nullptr));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
