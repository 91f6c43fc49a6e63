// The Copy button: the output box's text on the clipboard as CF_TEXT, and when nothing is copied.
#include <gtest/gtest.h>

#include <string>

#include "app/clipboard_text.h"
#include "res/resource.h"
#include "tests/win32/clipboard_state.h"
#include "tests/win32/main_dialog_run.h"
#include "tests/win32/program_messages.h"
#include "tests/win32/stdout_capture.h"
#include "tests/win32/ui_driver.h"

namespace {

constexpr char kCopied[] = "クリップボードへのコピーが完了しました。\r\n";
constexpr char kConvertFirst[] = "変換後に実行して下さい。\r\n";

// Owns the seeded clipboard contents; a window of the test's own thread, which the dialogs' loops serve.
class CopyCommand : public testing::Test {
 protected:
  void SetUp() override {
    m_owner =
        ::CreateWindowExA(0, "STATIC", "clipboard seed", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_owner, nullptr);
    ASSERT_TRUE(seedClipboard(m_owner, "seeded text"));
  }
  void TearDown() override { ::DestroyWindow(m_owner); }

  static void expectSeedUntouched() {
    ClipboardState state = readClipboard();
    EXPECT_EQ(state.text, "seeded text");
    EXPECT_TRUE(state.hasFormat(testFormat()));
  }

  // Exactly `text` as CF_TEXT in a block of its length plus one, and nothing of the seed left; only the
  // formats the system makes from CF_TEXT may stand beside it.
  static void expectCopied(const std::string& text) {
    ClipboardState state = readClipboard();
    ASSERT_TRUE(state.opened);
    EXPECT_TRUE(state.hasText);
    EXPECT_EQ(state.text, text);
    EXPECT_EQ(state.blockSize, text.size() + 1);
    for (UINT format : state.formats) {
      EXPECT_TRUE(format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT ||
                  format == CF_LOCALE)
          << "format " << format << " is still there";
    }
    if (state.hasFormat(CF_UNICODETEXT)) {
      EXPECT_EQ(state.unicodeText, text);
    }
  }

  HWND m_owner = nullptr;

 private:
  StdoutCapture m_quiet;  // the conversions' traces stay out of the test log
};

}  // namespace

TEST_F(CopyCommand, CopiesTheResultOfAConversionAndConfirms) {
  runMainDialog([](Ui& ui) {
    ui.click(IDC_REL_TO_ABS);
    ui.setText(IDC_BASE_PATH, "/var/log");
    ui.setText(IDC_TARGET_PATH, "../www/html/index.html");
    ui.click(IDC_CONVERT);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == "/var/www/html/index.html"; }));
    ui.click(IDC_COPY);
    expectProgramMessage(ui, kCopied);
    expectCopied("/var/www/html/index.html");  // 24 bytes in a block of 25
  });
}

TEST_F(CopyCommand, AfterARefusedConversionCopiesTheEarlierResult) {
  runMainDialog([](Ui& ui) {
    ui.setText(IDC_BASE_PATH, "/データ/ログ");
    ui.setText(IDC_TARGET_PATH, "/データ/画像/a.png");
    ui.click(IDC_CONVERT);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == "../画像/a.png"; }));
    ui.click(IDC_REL_TO_ABS);
    ui.click(IDC_CONVERT);  // a path beginning with '/' cannot be made absolute
    expectProgramMessage(ui, "パラメータが不正です。");
    ui.click(IDC_COPY);
    expectProgramMessage(ui, kCopied);
    expectCopied("../画像/a.png");
  });
}

TEST_F(CopyCommand, CopiesTextTypedIntoTheOutputBox) {
  runMainDialog([](Ui& ui) {
    ::PostMessageA(ui.dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ui.item(IDC_RESULT_PATH)), TRUE);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.focus() == ui.item(IDC_RESULT_PATH); }));
    for (char c : std::string("c:\\tmp x")) ui.typeChar(c);
    ASSERT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == "c:\\tmp x"; }));
    ui.pressKey('C', true);  // Alt+C
    expectProgramMessage(ui, kCopied);
    expectCopied("c:\\tmp x");
  });
}

TEST_F(CopyCommand, WithAnEmptyOutputBoxAsksForAConversionAndLeavesTheClipboard) {
  runMainDialog([](Ui& ui) {
    ui.click(IDC_COPY);
    expectProgramMessage(ui, kConvertFirst);
    EXPECT_TRUE(settled(ui));
    EXPECT_EQ(ui.popup(), nullptr);
  });
  expectSeedUntouched();
}

TEST_F(CopyCommand, IsSilentWhileAnotherWindowHoldsTheClipboardOpen) {
  runMainDialog([](Ui& ui) {
    ui.setText(IDC_RESULT_PATH, "/var/www");
    ASSERT_TRUE(::OpenClipboard(nullptr));  // held by the driver's thread
    // Sent: it returns once the click's handler has run, and would hang on a box it opened.
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(
        ::SendMessageTimeoutA(ui.item(IDC_COPY), BM_CLICK, 0, 0, SMTO_NORMAL, kWaitLimitMs, &ignored));
    EXPECT_EQ(ui.popup(), nullptr);
    ::CloseClipboard();
  });
  expectSeedUntouched();
}

TEST_F(CopyCommand, ABlockTheClipboardDoesNotTakeIsNotReportedAsCopied) {
  // The clipboard is not open here, so it refuses the block.
  EXPECT_FALSE(putTextOnClipboard("/var/www", 8));
  expectSeedUntouched();
}
