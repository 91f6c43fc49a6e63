// The About box: the program's icon, name with version and copyright line, closed with OK.
#pragma once

#include "framework/dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
 public:
  enum { IDD = IDD_ABOUTBOX };
  CAboutDlg();

 protected:
  static const MessageMap messageMap;  // nothing of its own on top of CDialog's
  const MessageMap* GetMessageMap() const override { return &messageMap; }
};
