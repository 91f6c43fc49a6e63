// The About box, opened from the main dialog's system menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/main_dialog_run.h"
#include "tests/win32/ui_driver.h"

namespace {

bool isAboutBox(const Ui& ui, HWND window) {
  return window != nullptr && ui.text(window) == "Trailwickのﾊﾞｰｼﾞｮﾝ情報";
}

}  // namespace

TEST(AboutBox, EverySystemCommandFrom0x10To0x1FOpensItOverTheDisabledMainDialogAndEnterClosesIt) {
  runMainDialog([](Ui& ui) {
    bool screenshotTaken = false;
    for (WPARAM command : {0x0010, 0x0013, 0x001F, 0x0010}) {
      ui.sysCommand(command);
      HWND about = ui.waitForPopup();
      ASSERT_TRUE(isAboutBox(ui, about)) << command;
      PopupInfo info = ui.readPopup(about);
      EXPECT_EQ(info.texts,
                (std::vector<std::string>{"Trailwick Version 1.00", "Copyright (C) 2026 Trailwick"}));
      EXPECT_EQ(info.buttons, std::vector<std::string>{"OK"});
      EXPECT_NE(info.icon, nullptr);
      EXPECT_TRUE(ui.waitUntil([&] { return ui.focus() == ::GetDlgItem(about, IDOK); })) << command;
      EXPECT_EQ(::GetWindow(about, GW_OWNER), ui.dialog());
      EXPECT_FALSE(::IsWindowEnabled(ui.dialog())) << command;

      RECT box, owner;
      ::GetWindowRect(about, &box);
      ::GetWindowRect(ui.dialog(), &owner);
      EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
      EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
      if (!screenshotTaken) screenshotTaken = saveScreenshot(about, "about-box");

      ui.pressKey(VK_RETURN);
      EXPECT_TRUE(ui.waitUntil([&] { return !::IsWindow(about); })) << command;
      EXPECT_TRUE(::IsWindowEnabled(ui.dialog())) << command;
      EXPECT_TRUE(ui.waitUntil([&] { return ui.activeWindow() == ui.dialog(); })) << command;
    }
    EXPECT_TRUE(screenshotTaken);
  });
}

TEST(AboutBox, OtherSystemCommandsDoNotOpenIt) {
  runMainDialog([](Ui& ui) {
    // Sent, not posted: the call returns only once the command has been handled, so an About box opened
    // by it would be showing already.
    for (WPARAM command : {0x0000, 0x0020, 0x0110}) {
      DWORD_PTR ignored = 0;
      EXPECT_TRUE(
          ::SendMessageTimeoutA(ui.dialog(), WM_SYSCOMMAND, command, 0, SMTO_NORMAL, kWaitLimitMs, &ignored));
      EXPECT_EQ(ui.popup(), nullptr) << command;
    }
  });
}
