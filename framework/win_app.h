// CWinApp: the application object. Exactly one exists; the program entry records the instance, derives
// the application name and help file from the executable's name, and runs InitInstance, then the message
// loop when InitInstance returns TRUE, then ExitInstance.
#pragma once

#include <windows.h>

#include "framework/ansi_string.h"
#include "framework/cmd_target.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  // `appName` nullptr: the executable's base name without its extension.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();

  // Gives dialogs the three-dimensional control look. Every Windows version this program runs on (4.0
  // and later) draws that look itself, so there is nothing to switch on.
  BOOL Enable3dControlsStatic();

  HICON LoadIcon(UINT id) const;

  // Asks the system's help engine for the application's help file; tells the user when it cannot start.
  virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
  // ID_HELP: help on the dialog that holds the focus, at its template's help context.
  void OnHelp();

  // Records the instance and derives the names; called once by the program entry before InitInstance.
  BOOL InitApplication(HINSTANCE instance);

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CString m_strAppName;       // caption of the framework's message boxes
  CString m_strHelpFilePath;  // the executable's path with the extension ".HLP"

 protected:
  // The call into the system's help engine; TRUE when it took the request.
  virtual BOOL CallHelpEngine(HWND owner, const char* helpFile, UINT command, DWORD_PTR data);

  static const MessageMap messageMap;  // no entries: the application adds ID_HELP in its own map
  const MessageMap* GetMessageMap() const override { return &messageMap; }

 private:
  bool m_appNameGiven;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();

// A message box from the framework: the application name as caption, owned by `owner`, or when that is
// nullptr by the window the user works in (the main window's last active popup).
int AfxMessageBox(const char* text, UINT type = MB_OK, HWND owner = nullptr);
