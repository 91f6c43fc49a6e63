#include "app/converter_app.h"

#include "app/converter_dlg.h"
#include "framework/command_ids.h"
#include "framework/control_container.h"

const MessageMapEntry CConverterApp::messageEntries[] = {
    msgmap::onCommand(ID_HELP, msgmap::call<CWinApp, &CWinApp::OnHelp>),
};
const MessageMap CConverterApp::messageMap = {&CWinApp::messageMap, messageEntries,
                                              sizeof(messageEntries) / sizeof(messageEntries[0])};

CConverterApp::CConverterApp() = default;

BOOL CConverterApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControlsStatic();

  CConverterDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  return FALSE;
}
