// CWnd: a window handle with the few operations the dialogs use, and the hooks of message-map dispatch.
// A CWnd never owns the window: copies are plain handle wrappers (as GetDlgItem returns them).
#pragma once

#include <windows.h>

#include "framework/cmd_target.h"

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd& other) : CCmdTarget(other), m_hWnd(other.m_hWnd) {}
  CWnd& operator=(const CWnd& other) {
    m_hWnd = other.m_hWnd;
    return *this;
  }

  HWND GetSafeHwnd() const { return m_hWnd; }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd GetDlgItem(int id) const;
  BOOL IsIconic() const;
  void GetClientRect(RECT* rect) const;
  HMENU GetSystemMenu(BOOL revert) const;
  HICON SetIcon(HICON icon, BOOL bigIcon);

  HWND m_hWnd = nullptr;

 protected:
  // Default processing of the message being dispatched: the window's own procedure from before the
  // framework took it over.
  LRESULT Default();

  // Runs the map entry for the message; FALSE when there is none, so the caller runs Default.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // The message that Default passes on; saved and restored around nested dispatch.
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CurrentMessage m_current = {0, 0, 0};
  WNDPROC m_pfnSuper = nullptr;
};
