// The Convert button: refusals of empty fields, conversions in both modes, the engine's refusals, where
// the mode comes from, and the trace the conversion prints.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/win32/main_dialog_run.h"
#include "tests/win32/program_messages.h"
#include "tests/win32/stdout_capture.h"
#include "tests/win32/ui_driver.h"

namespace {

enum Mode { kAbsToRel, kRelToAbs };

void fill(const Ui& ui, const std::string& base, const std::string& target, const std::string& result) {
  ui.setText(IDC_BASE_PATH, base);
  ui.setText(IDC_TARGET_PATH, target);
  ui.setText(IDC_RESULT_PATH, result);
}

void chooseMode(const Ui& ui, Mode mode) {
  int radio = mode == kAbsToRel ? IDC_ABS_TO_REL : IDC_REL_TO_ABS;
  ui.click(radio);
  EXPECT_TRUE(ui.waitUntil([&] { return ::SendMessageA(ui.item(radio), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
}

std::string repeat(const std::string& unit, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += unit;
  return text;
}

// Conversions print their trace; a test that does not look at it keeps it out of the test log.
class ConvertCommand : public testing::Test {
 private:
  StdoutCapture m_quiet;
};

}  // namespace

TEST_F(ConvertCommand, ShowsTheResultInTheOutputBoxInPlaceOfWhatWasThere) {
  struct Case {
    const char* base;
    const char* target;
    Mode mode;
    const char* result;
  };
  const Case cases[] = {
      {"/var/log", "/var/www/html/index.html", kAbsToRel, "../www/html/index.html"},
      {"/var/log", "../www/html/index.html", kRelToAbs, "/var/www/html/index.html"},
      {"/var/log", "../..", kRelToAbs, "/"},  // climbing to the top
      {"/データ/ログ", "../画像/a.png", kRelToAbs, "/データ/画像/a.png"},
      {"/データ/ログ", "/データ/画像/a.png", kAbsToRel, "../画像/a.png"},
  };
  runMainDialog([&](Ui& ui) {
    for (const Case& c : cases) {
      chooseMode(ui, c.mode);
      fill(ui, c.base, c.target, "typed by hand");
      ui.click(IDC_CONVERT);
      EXPECT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == c.result; }))
          << c.base << " + " << c.target << " gave " << ui.itemText(IDC_RESULT_PATH);
      EXPECT_TRUE(settled(ui));
      EXPECT_EQ(ui.popup(), nullptr) << c.target;
      // The inputs stay as they were.
      EXPECT_EQ(ui.itemText(IDC_BASE_PATH), c.base);
      EXPECT_EQ(ui.itemText(IDC_TARGET_PATH), c.target);
    }
    EXPECT_TRUE(saveScreenshot(ui.dialog(), "main-dialog-converted"));
  });
}

TEST_F(ConvertCommand, RefusesAnEmptyBaseFirstThenAnEmptyPathWithoutConverting) {
  struct Case {
    const char* base;
    const char* target;
    const char* message;
  };
  const Case cases[] = {
      {"", "", "基準パスを指定してください。"},
      {"", "/var/www", "基準パスを指定してください。"},
      {"/var/log", "", "変換対象パスを指定してください。"},
  };
  StdoutCapture trace;
  runMainDialog([&](Ui& ui) {
    for (const Case& c : cases) {
      fill(ui, c.base, c.target, "earlier");
      ui.click(IDC_CONVERT);
      expectProgramMessage(ui, c.message);
      EXPECT_TRUE(settled(ui));
      EXPECT_EQ(ui.popup(), nullptr) << "a second message after " << c.message;
      EXPECT_EQ(ui.itemText(IDC_RESULT_PATH), "earlier");
    }
  });
  EXPECT_EQ(trace.text(), "");  // the engine never ran
}

TEST_F(ConvertCommand, ReportsTheEnginesRefusalsAfterItsTraceAndKeepsTheOutputBox) {
  struct Case {
    const char* name;
    std::string base, target;
    Mode mode;
    const char* message;
    std::string trace;  // how the trace printed by the time the message shows ends
    bool wholeTrace;    // ... and whether that is all of it
  };
  const std::string longPath = repeat("a", 1024);
  const Case cases[] = {
      {"absolute path to make absolute", "/var/log", "/etc", kRelToAbs, "パラメータが不正です。",
       "\r\n第二引数には相対パスを指定してください！\r\n\r\n", true},
      {"relative path against an absolute base", "/var/log", "www/a", kAbsToRel, "パラメータが不正です。",
       "\r\n基準パスと変換対象パスは、両方とも絶対パスか両方とも相対パスで指定してください！\r\n\r\n", true},
      {"result longer than the output buffer", "/x", longPath, kRelToAbs,
       "出力バッファサイズが不足しています。", "\r\n出力バッファサイズが不足しています。\r\n\r\n", false},
  };
  for (const Case& c : cases) {
    StdoutCapture trace;
    runMainDialog([&](Ui& ui) {
      chooseMode(ui, c.mode);
      fill(ui, c.base, c.target, "earlier result");
      ui.click(IDC_CONVERT);
      ASSERT_NE(ui.waitForPopup(), nullptr) << c.name;
      std::string printed = trace.text();
      ASSERT_GE(printed.size(), c.trace.size()) << c.name;
      EXPECT_EQ(printed.substr(printed.size() - c.trace.size()), c.trace) << c.name;
      if (c.wholeTrace) {
        EXPECT_EQ(printed, c.trace) << c.name;
      }
      expectProgramMessage(ui, c.message);
      EXPECT_EQ(ui.itemText(IDC_RESULT_PATH), "earlier result") << c.name;
    });
  }
}

TEST_F(ConvertCommand, TakesTheModeFromTheAbsoluteToRelativeRadioAlone) {
  // A relative path against an absolute base: made absolute in the second mode, refused in the first.
  struct Case {
    LRESULT absToRel, relToAbs;
    bool secondMode;
  };
  const Case cases[] = {
      {BST_CHECKED, BST_UNCHECKED, false},
      {BST_UNCHECKED, BST_CHECKED, true},
      {BST_UNCHECKED, BST_UNCHECKED, true},
      {BST_CHECKED, BST_CHECKED, false},
  };
  runMainDialog([&](Ui& ui) {
    for (const Case& c : cases) {
      ::SendMessageA(ui.item(IDC_ABS_TO_REL), BM_SETCHECK, static_cast<WPARAM>(c.absToRel), 0);
      ::SendMessageA(ui.item(IDC_REL_TO_ABS), BM_SETCHECK, static_cast<WPARAM>(c.relToAbs), 0);
      fill(ui, "/var/log", "../www/html/index.html", "");
      ui.click(IDC_CONVERT);
      if (c.secondMode) {
        EXPECT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == "/var/www/html/index.html"; }))
            << c.absToRel << c.relToAbs;
      } else {
        expectProgramMessage(ui, "パラメータが不正です。");
      }
    }
  });
}

TEST_F(ConvertCommand, EnterOnTheFocusedButtonAndAltVRunIt) {
  struct Case {
    const char* name;
    std::function<void(const Ui&)> press;
  };
  const Case cases[] = {
      {"Enter on the button",
       [](const Ui& ui) {
         ::PostMessageA(ui.dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ui.item(IDC_CONVERT)), TRUE);
         EXPECT_TRUE(ui.waitUntil([&] { return ui.focus() == ui.item(IDC_CONVERT); }));
         ui.pressKey(VK_RETURN);
       }},
      {"Alt+V in a field", [](const Ui& ui) { ui.pressKey('V', true); }},
  };
  for (const Case& c : cases) {
    runMainDialog([&](Ui& ui) {
      c.press(ui);
      expectProgramMessage(ui, "基準パスを指定してください。");
      EXPECT_FALSE(ui.dialogGone()) << c.name;
    });
  }
}
