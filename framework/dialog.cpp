#include "framework/dialog.h"

#include "framework/command_ids.h"
#include "framework/data_exchange.h"
#include "framework/win_app.h"

namespace {

// Where a dialog template asks to be placed: its style and its position in dialog units.
struct TemplatePlacement {
  DWORD style;
  short x;
  short y;
};

// Reads the header of a plain or an extended (DIALOGEX) template.
TemplatePlacement readPlacement(const void* data) {
  const WORD* words = static_cast<const WORD*>(data);
  TemplatePlacement placement;
  if (words[0] == 1 && words[1] == 0xFFFF) {
    // dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y
    const BYTE* bytes = static_cast<const BYTE*>(data);
    placement.style = *reinterpret_cast<const DWORD*>(bytes + 12);
    placement.x = *reinterpret_cast<const short*>(bytes + 18);
    placement.y = *reinterpret_cast<const short*>(bytes + 20);
  } else {
    const DLGTEMPLATE* plain = static_cast<const DLGTEMPLATE*>(data);
    placement.style = plain->style;
    placement.x = plain->x;
    placement.y = plain->y;
  }
  return placement;
}

bool isHelpKey(const MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && ::GetKeyState(VK_SHIFT) >= 0 &&
         ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0;
}

}  // namespace

const MessageMapEntry CDialog::messageEntries[] = {
    msgmap::onCommand(IDOK, msgmap::call<CDialog, &CDialog::OnOK>),
    msgmap::onCommand(IDCANCEL, msgmap::call<CDialog, &CDialog::OnCancel>),
};
const MessageMap CDialog::messageMap = {nullptr, messageEntries,
                                        sizeof(messageEntries) / sizeof(messageEntries[0])};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

CDialog* CDialog::FromHandle(HWND hwnd) {
  if (hwnd == nullptr || ::GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc))
    return nullptr;
  return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
}

HWND CDialog::FindOwner() const {
  HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  if (owner == nullptr) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this)
      owner = app->m_pMainWnd->m_hWnd;
  }
  // A dialog is owned by a top-level window, never by a child.
  return owner == nullptr ? nullptr : ::GetAncestor(owner, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
  HINSTANCE instance = AfxGetResourceHandle();
  HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_templateId), RT_DIALOG);
  HGLOBAL loaded = resource == nullptr ? nullptr : ::LoadResource(instance, resource);
  m_template = loaded == nullptr ? nullptr : ::LockResource(loaded);
  if (m_template == nullptr) return -1;

  HWND owner = FindOwner();
  bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);

  m_ended = false;
  m_result = -1;
  HWND hwnd = ::CreateDialogIndirectParamA(instance, static_cast<const DLGTEMPLATE*>(m_template), owner,
                                           &DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd != nullptr) RunModalLoop();

  // Hide first and give the owner its input and activation back before the window goes, so activation
  // does not wander to another program.
  if (m_hWnd != nullptr) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  if (owner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
  m_template = nullptr;
  return m_result;
}

void CDialog::RunModalLoop() {
  // A template without WS_VISIBLE is shown once the loop has nothing left to do.
  bool showPending = !::IsWindowVisible(m_hWnd);
  MSG msg;
  while (!m_ended) {
    if (showPending && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
      showPending = false;
    }
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave WM_QUIT to the loop outside
      break;
    }
    if (got < 0) break;
    if (isHelpKey(msg)) {
      // F1 asks the application's main window for help; the command travels on to the application.
      CWinApp* app = AfxGetApp();
      HWND target = app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr
                        ? app->m_pMainWnd->m_hWnd
                        : m_hWnd;
      ::SendMessageA(target, WM_COMMAND, ID_HELP, 0);
      continue;
    }
    if (m_hWnd != nullptr && ::IsDialogMessageA(m_hWnd, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  // Wake the modal loop in case this ran inside a message sent from another thread.
  if (m_hWnd != nullptr) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  if (!UpdateData(FALSE)) EndDialog(-1);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnSysCommand(UINT, LPARAM) { Default(); }

void CDialog::OnPaint() { Default(); }

BOOL CDialog::HandleInitDialog(HWND hwnd) {
  m_hWnd = hwnd;
  ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
  TemplatePlacement placement = readPlacement(m_template);
  if (placement.x == 0 && placement.y == 0 && (placement.style & DS_CENTER) == 0) CenterWindow();
  return OnInitDialog();
}

// Centres the dialog over its owner when that is visible and not minimised, else on the work area of its
// monitor, and keeps it inside that work area.
void CDialog::CenterWindow() {
  RECT dialog;
  ::GetWindowRect(m_hWnd, &dialog);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  ::GetMonitorInfoA(::MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
  const RECT& work = monitor.rcWork;
  RECT center = work;
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &center);

  int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
  int left = (center.left + center.right) / 2 - width / 2;
  int top = (center.top + center.bottom) / 2 - height / 2;
  if (left + width > work.right) left = work.right - width;
  if (left < work.left) left = work.left;
  if (top + height > work.bottom) top = work.bottom - height;
  if (top < work.top) top = work.top;
  ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::Detach() {
  ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
  m_hWnd = nullptr;
  m_pfnSuper = nullptr;
}

// The template's dialog procedure: takes the window over at WM_INITDIALOG and leaves every other message
// to the system's dialog processing; the framework's own window procedure dispatches from then on.
INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  return reinterpret_cast<CDialog*>(lParam)->HandleInitDialog(hwnd);
}

LRESULT CALLBACK CDialog::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return ::DefDlgProcA(hwnd, message, wParam, lParam);
  CurrentMessage saved = self->m_current;
  self->m_current = {message, wParam, lParam};
  LRESULT result = 0;
  if (!self->OnWndMsg(message, wParam, lParam, &result)) result = self->Default();
  self->m_current = saved;
  if (message == WM_NCDESTROY) self->Detach();
  return result;
}
