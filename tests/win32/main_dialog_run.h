// Runs a main dialog as the application's main window, the way the program's start-up does.
#pragma once

#include <functional>

#include "app/converter_dlg.h"
#include "tests/win32/test_app.h"
#include "tests/win32/ui_driver.h"

// `dlg`, when given, is the dialog to run, so the caller can look at its members afterwards.
inline INT_PTR runMainDialog(const std::function<void(Ui&)>& script, CConverterDlg* dlg = nullptr) {
  CConverterDlg local;
  CConverterDlg& run = dlg != nullptr ? *dlg : local;
  testApp().m_pMainWnd = &run;
  INT_PTR result = runModal(run, script);
  testApp().m_pMainWnd = nullptr;
  return result;
}
