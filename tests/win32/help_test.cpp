// F1: the help request that reaches the application, and the message when the help engine does not start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/main_dialog_run.h"
#include "tests/win32/test_app.h"
#include "tests/win32/ui_driver.h"

namespace {

// The test program's path with its extension replaced by ".HLP".
std::string expectedHelpFile() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file = path;
  return file.substr(0, file.rfind('.')) + ".HLP";
}

void expectHelpFailureBox(const Ui& ui) {
  PopupInfo box = ui.expectPopup();
  EXPECT_EQ(box.caption, testApp().m_strAppName.GetString());
  EXPECT_EQ(box.texts, std::vector<std::string>{"ﾍﾙﾌﾟの起動に失敗しました。"});
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(box.icon, nullptr);  // a plain message, with no icon of its own
}

}  // namespace

TEST(Help, F1AsksForTheHelpFileAtTheContextOfTheDialogThatHasTheFocus) {
  testApp().takeHelpRequests();
  runMainDialog([](Ui& ui) {
    ui.pressKey(VK_F1);
    expectHelpFailureBox(ui);

    ui.sysCommand(IDM_ABOUTBOX);
    HWND about = ui.waitForPopup();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.focus() == ::GetDlgItem(about, IDOK); }));
    ui.pressKey(VK_F1);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.popup() != about; }));
    expectHelpFailureBox(ui);
    // The About box is still open, and still keeps the main dialog disabled.
    EXPECT_TRUE(::IsWindowVisible(about));
    EXPECT_FALSE(::IsWindowEnabled(ui.dialog()));
  });
  std::vector<TestApp::HelpRequest> requests = testApp().takeHelpRequests();
  ASSERT_EQ(requests.size(), 2u);
  const DWORD_PTR contexts[] = {0x20000 + IDD_CONVERTER_DIALOG, 0x20000 + IDD_ABOUTBOX};
  for (size_t i = 0; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i].file, expectedHelpFile());
    EXPECT_EQ(requests[i].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(requests[i].data, contexts[i]);
  }
}
