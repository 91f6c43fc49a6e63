// The built program as a process of its own: its name as the framework's caption, its exit status and
// the trace on its standard output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/program_run.h"

TEST(Program, NamesTheFrameworkMessagesAfterTheExecutableAndExitsWithZero) {
  ProgramRun run = runProgram([](Ui& ui) {
    ui.setText(IDC_BASE_PATH, std::string(1025, 'a'));
    ::PostMessageA(ui.dialog(), WM_COMMAND, IDOK, 0);
    PopupInfo box = ui.expectPopup();
    EXPECT_EQ(box.caption, "Trailwick");
    EXPECT_EQ(box.texts, std::vector<std::string>{"1024 文字以内で入力してください。"});
    ui.sysCommand(SC_CLOSE);
  });
  ASSERT_TRUE(run.started);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.output, "");
}

TEST(Program, PrintsTheTraceOfAConversionOnItsStandardOutput) {
  ProgramRun run = runProgram([](Ui& ui) {
    ui.setText(IDC_BASE_PATH, "/var/log");
    ui.setText(IDC_TARGET_PATH, "/var/www/html/index.html");
    ui.click(IDC_CONVERT);
    EXPECT_TRUE(ui.waitUntil([&] { return ui.itemText(IDC_RESULT_PATH) == "../www/html/index.html"; }));
    ui.sysCommand(SC_CLOSE);
  });
  ASSERT_TRUE(run.started);
  EXPECT_EQ(run.exitCode, 0u);
  // Text mode: every line ends with CR LF. Flushed when the program ends.
  EXPECT_EQ(run.output,
            "baseDirectories[0] = var\r\n"
            "baseDirectories[1] = log\r\n"
            "directories[0] = var\r\n"
            "directories[1] = www\r\n"
            "directories[2] = html\r\n"
            "directories[3] = index.html\r\n"
            "dot_count = 1\r\n"
            "変換しました。\r\n"
            "\r\n"
            "../www/html/index.html\r\n");
}
