#include "framework/wnd.h"

#include "framework/win_app.h"

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return m_hWnd == nullptr ? 0 : ::SendMessageA(m_hWnd, message, wParam, lParam);
}

CWnd CWnd::GetDlgItem(int id) const {
  CWnd item;
  item.m_hWnd = m_hWnd == nullptr ? nullptr : ::GetDlgItem(m_hWnd, id);
  return item;
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

HMENU CWnd::GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

LRESULT CWnd::Default() {
  if (m_pfnSuper == nullptr) return 0;
  return ::CallWindowProcA(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    UINT id = LOWORD(wParam), code = HIWORD(wParam);
    *result = 0;
    if (OnCmdMsg(id, code, wParam, lParam)) return TRUE;
    // Commands no window handles go on to the application (ID_HELP among them).
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code, wParam, lParam);
  }
  const MessageMapEntry* entry = FindMessageEntry(message, 0, 0);
  if (entry == nullptr) return FALSE;
  *result = entry->handler(*this, wParam, lParam);
  return TRUE;
}
