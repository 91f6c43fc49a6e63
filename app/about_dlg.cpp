#include "app/about_dlg.h"

const MessageMap CAboutDlg::messageMap = {&CDialog::messageMap, nullptr, 0};

CAboutDlg::CAboutDlg() : CDialog(IDD) {}
