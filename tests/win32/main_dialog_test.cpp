// The main dialog in the real window system: what it shows at start, how keys move through it and end it,
// its radio buttons, its system menu and icons, and the validation of over-long texts.
#include <gtest/gtest.h>

#include <string>

#include "app/converter_dlg.h"
#include "res/resource.h"
#include "tests/win32/main_dialog_run.h"
#include "tests/win32/test_app.h"
#include "tests/win32/ui_driver.h"

namespace {

LRESULT checkState(Ui& ui, int id) { return ::SendMessageA(ui.item(id), BM_GETCHECK, 0, 0); }

std::string menuText(HMENU menu, int position) {
  char text[256] = {};
  ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
  return text;
}

}  // namespace

TEST(MainDialog, StartsCentredWithEmptyLimitedFieldsTheFirstModeCheckedAndTheCaretInTheBasePath) {
  runMainDialog([](Ui& ui) {
    HWND dlg = ui.dialog();
    EXPECT_EQ(ui.text(dlg), "Trailwick");
    EXPECT_TRUE(::GetWindowLongA(dlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);  // a taskbar button of its own

    RECT window, work;
    ::GetWindowRect(dlg, &window);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);

    for (int id : {IDC_BASE_PATH, IDC_TARGET_PATH, IDC_RESULT_PATH}) {
      EXPECT_EQ(ui.itemText(id), "") << id;
      EXPECT_EQ(::SendMessageA(ui.item(id), EM_GETLIMITTEXT, 0, 0), 1024) << id;
    }
    EXPECT_EQ(checkState(ui, IDC_ABS_TO_REL), BST_CHECKED);
    EXPECT_EQ(checkState(ui, IDC_REL_TO_ABS), BST_UNCHECKED);
    EXPECT_EQ(ui.focus(), ui.item(IDC_BASE_PATH));

    EXPECT_TRUE(saveScreenshot(dlg, "main-dialog"));
  });
}

TEST(MainDialog, SystemMenuEndsWithTheAboutEntryAndTheProgramIconIsShownAndDragged) {
  runMainDialog([](Ui& ui) {
    HMENU menu = ::GetSystemMenu(ui.dialog(), FALSE);
    ASSERT_NE(menu, nullptr);
    int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(menuText(menu, count - 1), "Trailwick のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));

    HICON programIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(::SendMessageA(ui.dialog(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(::SendMessageA(ui.dialog(), WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(::SendMessageA(ui.dialog(), WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(programIcon));
  });
}

TEST(MainDialog, TabVisitsTheFieldsAndButtonsInOrderAndNeverTheUncheckedRadio) {
  runMainDialog([](Ui& ui) {
    // The template gives neither radio a tab stop; the system adds one to a radio button when it is
    // checked, so Tab stops on the checked mode, never on the other.
    const int expected[] = {IDC_TARGET_PATH, IDC_ABS_TO_REL, IDC_CONVERT,
                            IDC_RESULT_PATH, IDC_COPY,       IDC_BASE_PATH};
    ASSERT_EQ(ui.focus(), ui.item(IDC_BASE_PATH));
    for (int id : expected) {
      HWND before = ui.focus();
      ui.pressKey(VK_TAB);
      ASSERT_TRUE(ui.waitUntil([&] { return ui.focus() != before; }))
          << "Tab stayed on " << ::GetDlgCtrlID(before);
      EXPECT_EQ(::GetDlgCtrlID(ui.focus()), id);
    }
  });
}

TEST(MainDialog, ClickingARadioButtonUnchecksTheOther) {
  runMainDialog([](Ui& ui) {
    struct Step {
      int click, checked, unchecked;
    };
    for (Step step : {Step{IDC_REL_TO_ABS, IDC_REL_TO_ABS, IDC_ABS_TO_REL},
                      Step{IDC_ABS_TO_REL, IDC_ABS_TO_REL, IDC_REL_TO_ABS}}) {
      ui.click(step.click);
      EXPECT_TRUE(ui.waitUntil([&] { return checkState(ui, step.checked) == BST_CHECKED; })) << step.click;
      EXPECT_EQ(checkState(ui, step.unchecked), BST_UNCHECKED) << step.click;
    }
  });
}

TEST(MainDialog, EnterInAFieldEndsWithOkAndEscapeCloseBoxAndAltF4WithCancel) {
  struct Case {
    const char* name;
    std::function<void(Ui&)> act;
    INT_PTR result;
  };
  const Case cases[] = {
      {"Enter", [](Ui& ui) { ui.pressKey(VK_RETURN); }, IDOK},
      {"Esc", [](Ui& ui) { ui.pressKey(VK_ESCAPE); }, IDCANCEL},
      {"Alt+F4", [](Ui& ui) { ui.pressKey(VK_F4, true); }, IDCANCEL},
      {"close box", [](Ui& ui) { ui.sysCommand(SC_CLOSE); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    bool sawBox = false;
    INT_PTR result = runMainDialog([&](Ui& ui) {
      c.act(ui);
      EXPECT_TRUE(ui.waitUntil([&] {
        sawBox = sawBox || ui.popup() != nullptr;
        return ui.dialogGone();
      })) << c.name;
    });
    EXPECT_EQ(result, c.result) << c.name;
    EXPECT_FALSE(sawBox) << c.name;
  }
}

TEST(MainDialog, TextsAtTheLimitPassAndLongerOnesAreRefusedWithTheFrameworkMessage) {
  const std::string limit(1024, 'a');
  // Lengths are bytes of the ANSI text: 513 double-byte characters are 1026 bytes.
  std::string wide;
  for (int i = 0; i < 513; ++i) wide += "あ";

  CConverterDlg accepted;
  EXPECT_EQ(runMainDialog(
                [&](Ui& ui) {
                  for (int id : {IDC_BASE_PATH, IDC_TARGET_PATH, IDC_RESULT_PATH}) ui.setText(id, limit);
                  ui.pressKey(VK_RETURN);
                  EXPECT_TRUE(ui.waitUntilGone());
                },
                &accepted),
            IDOK);
  EXPECT_EQ(std::string(accepted.m_strResultPath), limit);

  struct Case {
    int field;
    std::string text;
  };
  const Case cases[] = {
      {IDC_BASE_PATH, limit + "b"}, {IDC_TARGET_PATH, wide}, {IDC_RESULT_PATH, limit + "b"}};
  for (const Case& c : cases) {
    CConverterDlg dlg;
    runMainDialog(
        [&](Ui& ui) {
          ui.setText(IDC_BASE_PATH, c.field == IDC_BASE_PATH ? c.text : "/base");
          ui.setText(IDC_TARGET_PATH, c.field == IDC_TARGET_PATH ? c.text : "target");
          ui.setText(IDC_RESULT_PATH, c.field == IDC_RESULT_PATH ? c.text : "result");
          ui.pressKey(VK_RETURN);
          PopupInfo box = ui.expectPopup();
          EXPECT_EQ(box.caption, testApp().m_strAppName.GetString()) << c.field;
          EXPECT_EQ(box.texts, std::vector<std::string>{"1024 文字以内で入力してください。"}) << c.field;
          EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"}) << c.field;
          EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_EXCLAMATION)) << c.field;

          // The dialog stays, with the offending field focused and all of its text selected.
          EXPECT_TRUE(ui.waitUntil([&] { return ui.focus() == ui.item(c.field); })) << c.field;
          DWORD start = 0, end = 0;
          ::SendMessageA(ui.item(c.field), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
          EXPECT_EQ(start, 0u) << c.field;
          EXPECT_EQ(end, static_cast<DWORD>(c.text.size() == wide.size() ? 513 : c.text.size())) << c.field;
          EXPECT_FALSE(ui.dialogGone()) << c.field;
        },
        &dlg);
    // The exchange stopped at the refused field: the fields before it and the refused one were read, the
    // ones after it were not.
    const std::string base = c.field == IDC_BASE_PATH ? c.text : "/base";
    EXPECT_EQ(std::string(dlg.m_strBasePath), base) << c.field;
    EXPECT_EQ(std::string(dlg.m_strTargetPath), c.field == IDC_BASE_PATH     ? ""
                                                : c.field == IDC_TARGET_PATH ? c.text
                                                                             : "target")
        << c.field;
    EXPECT_EQ(std::string(dlg.m_strResultPath), c.field == IDC_RESULT_PATH ? c.text : "") << c.field;
  }
}

TEST(MainDialog, StartUpRunsTheDialogAsTheMainWindowAndReturnsFalseWhenItCloses) {
  BOOL result = TRUE;
  runDriven([&] { result = testApp().InitInstance(); },
            [](HWND window) { return CDialog::FromHandle(window) != nullptr; },
            [](Ui& ui) {
              EXPECT_EQ(testApp().m_pMainWnd, CDialog::FromHandle(ui.dialog()));
              ui.pressKey(VK_ESCAPE);
              EXPECT_TRUE(ui.waitUntilGone());
            });
  EXPECT_FALSE(result);
  EXPECT_EQ(testApp().m_pMainWnd, nullptr);
}
