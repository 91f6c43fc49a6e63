#include "framework/win_app.h"

#include <cstring>

#include "framework/command_ids.h"
#include "framework/dialog.h"
#include "framework/framework_texts.h"

namespace {

CWinApp* currentApp = nullptr;

// The full path of `module`, however long.
CString moduleFileName(HMODULE module) {
  CString path;
  for (int size = MAX_PATH; size <= 32768; size *= 2) {
    char* buffer = path.GetBuffer(size);
    DWORD copied = ::GetModuleFileNameA(module, buffer, static_cast<DWORD>(size));
    if (copied < static_cast<DWORD>(size)) {
      path.ReleaseBuffer(static_cast<int>(copied));
      return path;
    }
  }
  path.ReleaseBuffer(0);
  return path;
}

// Byte offsets of the file name and of its extension's '.' (or the end) in an ANSI path. Double-byte
// characters are stepped over whole, since their second byte may equal '\\'.
void splitFileName(const char* path, int* nameStart, int* extensionStart) {
  int length = static_cast<int>(std::strlen(path));
  *nameStart = 0;
  *extensionStart = length;
  for (int i = 0; i < length;) {
    if (path[i] == '\\' || path[i] == '/' || path[i] == ':') {
      *nameStart = i + 1;
      *extensionStart = length;
    } else if (path[i] == '.') {
      *extensionStart = i;
    }
    i += ::IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < length ? 2 : 1;
  }
}

}  // namespace

const MessageMap CWinApp::messageMap = {nullptr, nullptr, 0};

CWinApp::CWinApp(const char* appName) : m_strAppName(appName), m_appNameGiven(appName != nullptr) {
  currentApp = this;
}

CWinApp::~CWinApp() {
  if (currentApp == this) currentApp = nullptr;
}

CWinApp* AfxGetApp() { return currentApp; }

HINSTANCE AfxGetResourceHandle() {
  return currentApp != nullptr && currentApp->m_hInstance != nullptr ? currentApp->m_hInstance
                                                                     : ::GetModuleHandleA(nullptr);
}

BOOL CWinApp::InitApplication(HINSTANCE instance) {
  m_hInstance = instance;
  CString path = moduleFileName(instance);
  int nameStart = 0, extensionStart = 0;
  splitFileName(path, &nameStart, &extensionStart);
  if (!m_appNameGiven) m_strAppName = CString(path.GetString() + nameStart, extensionStart - nameStart);
  m_strHelpFilePath = CString(path.GetString(), extensionStart);
  m_strHelpFilePath += ".HLP";
  return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return ExitInstance();
}

// Nothing is stored at the end of a run.
int CWinApp::ExitInstance() { return 0; }

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)); }

void CWinApp::OnHelp() {
  // The dialog that holds the focus: the top-level window around the focused control.
  HWND focus = ::GetFocus();
  CDialog* dialog = CDialog::FromHandle(focus == nullptr ? nullptr : ::GetAncestor(focus, GA_ROOT));
  if (dialog == nullptr && m_pMainWnd != nullptr) dialog = CDialog::FromHandle(m_pMainWnd->m_hWnd);
  if (dialog == nullptr) return;
  WinHelp(HID_BASE_RESOURCE + dialog->GetTemplateId(), HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
  HWND owner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  if (!CallHelpEngine(owner, m_strHelpFilePath, command, data))
    AfxMessageBox(kHelpLaunchFailed, MB_OK);
}

BOOL CWinApp::CallHelpEngine(HWND owner, const char* helpFile, UINT command, DWORD_PTR data) {
  return ::WinHelpA(owner, helpFile, command, data);
}

int AfxMessageBox(const char* text, UINT type, HWND owner) {
  CWinApp* app = AfxGetApp();
  if (owner == nullptr) {
    HWND main = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    owner = main != nullptr ? ::GetLastActivePopup(main) : ::GetActiveWindow();
  }
  return ::MessageBoxA(owner, text, app != nullptr ? app->m_strAppName.GetString() : nullptr, type);
}
