// The main dialog: base path, path to convert, the mode's radio buttons, the result box, and the Convert
// and Copy buttons; its system menu opens the About box.
#pragma once

#include <windows.h>

#include "framework/ansi_string.h"
#include "framework/dialog.h"
#include "res/resource.h"

class CConverterDlg : public CDialog {
 public:
  enum { IDD = IDD_CONVERTER_DIALOG };
  explicit CConverterDlg(CWnd* pParent = nullptr);

  CString m_strBasePath;    // IDC_BASE_PATH
  CString m_strTargetPath;  // IDC_TARGET_PATH
  CString m_strResultPath;  // IDC_RESULT_PATH

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnConvert();
  void OnCopyToClipboard();

  HICON m_hIcon;  // loaded once, never freed

  static const MessageMapEntry messageEntries[];
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }
};
