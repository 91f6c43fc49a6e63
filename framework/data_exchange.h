// CDataExchange: one run of a dialog's data exchange, between its controls and its members. DDX_ functions
// move a value, DDV_ functions validate it; once a validation fails, the rest of the run does nothing.
#pragma once

#include <windows.h>

#include "framework/ansi_string.h"

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate);

  // The edit control `id`, remembered as the control that the next validation refers to.
  HWND PrepareEditCtrl(int id);

  // Ends the run as failed: the last prepared control gets the focus with its whole text selected.
  void Fail();
  bool Failed() const { return m_failed; }

  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CDialog* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;

 private:
  bool m_failed = false;
};

void DDX_Text(CDataExchange* pDX, int id, CString& value);

// Saving: a value longer than `maxChars` bytes fails with the framework's message. Otherwise the edit
// just exchanged gets the text limit `maxChars`.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
