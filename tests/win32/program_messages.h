// What the tests expect of the program's own message boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/ui_driver.h"

// Waits for the next box, expects it to be the program's message `text` owned by the main dialog (caption
// "ZELVO", one OK button, no icon), and closes it.
inline void expectProgramMessage(const Ui& ui, const std::string& text) {
  HWND box = ui.waitForPopup();
  ASSERT_NE(box, nullptr) << "no message: " << text;
  PopupInfo info = ui.readPopup(box);
  EXPECT_EQ(info.caption, "ZELVO");
  EXPECT_EQ(info.texts, std::vector<std::string>{text});
  EXPECT_EQ(info.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(info.icon, nullptr);
  EXPECT_EQ(::GetWindow(box, GW_OWNER), ui.dialog());
  EXPECT_TRUE(ui.closePopup(box));
}

// True once the dialog's thread has handled everything sent to it before; a box opened meanwhile is
// showing by then.
inline bool settled(const Ui& ui) {
  DWORD_PTR ignored = 0;
  return ::SendMessageTimeoutA(ui.dialog(), WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimitMs, &ignored) != 0;
}
