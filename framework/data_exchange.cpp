#include "framework/data_exchange.h"

#include "framework/dialog.h"
#include "framework/framework_texts.h"
#include "framework/win_app.h"

namespace {

// The decimal digits of a non-negative count, for the limit in the validation message.
CString decimal(int value) {
  char digits[12];
  int at = sizeof(digits) - 1;
  digits[at] = '\0';
  do {
    digits[--at] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0 && at > 0);
  return CString(digits + at);
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareEditCtrl(int id) {
  m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  return m_hWndLastControl;
}

void CDataExchange::Fail() {
  m_failed = true;
  if (m_hWndLastControl == nullptr) return;
  ::SetFocus(m_hWndLastControl);
  ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  if (pDX->Failed()) return;
  HWND edit = pDX->PrepareEditCtrl(id);
  if (edit == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    int length = ::GetWindowTextLengthA(edit);  // may exceed the text; never falls short of it
    char* buffer = value.GetBuffer(length);
    int copied = ::GetWindowTextA(edit, buffer, length + 1);
    value.ReleaseBuffer(copied);
  } else {
    ::SetWindowTextA(edit, value);
  }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
  if (pDX->Failed()) return;
  if (pDX->m_bSaveAndValidate && value.GetLength() > maxChars) {
    AfxMessageBox(AfxFormatString1(kTextTooLongFormat, decimal(maxChars)), MB_OK | MB_ICONEXCLAMATION,
                  pDX->m_pDlgWnd->m_hWnd);
    pDX->Fail();
    return;
  }
  if (pDX->m_hWndLastControl != nullptr)
    ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}
