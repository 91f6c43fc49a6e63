#include "app/converter_dlg.h"

#include "app/about_dlg.h"
#include "app/clipboard_text.h"
#include "app/conversion_messages.h"
#include "app/minimised_icon.h"
#include "engine/convert_path.h"
#include "framework/data_exchange.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"

namespace {

// The most bytes each of the three edit boxes takes.
constexpr int kFieldLimit = 1024;

constexpr char kMsgConvertFirst[] = "変換後に実行して下さい。\r\n";
constexpr char kMsgCopied[] = "クリップボードへのコピーが完了しました。\r\n";

// The program's own messages: modal, owned by the main dialog, one OK button and no icon.
void showMessage(HWND owner, const char* text) { ::MessageBoxA(owner, text, "ZELVO", MB_OK); }

}  // namespace

const MessageMapEntry CConverterDlg::messageEntries[] = {
    msgmap::onMessage(WM_SYSCOMMAND, msgmap::callSysCommand<CConverterDlg, &CConverterDlg::OnSysCommand>),
    msgmap::onMessage(WM_PAINT, msgmap::call<CConverterDlg, &CConverterDlg::OnPaint>),
    msgmap::onMessage(WM_QUERYDRAGICON,
                      msgmap::callQueryDragIcon<CConverterDlg, &CConverterDlg::OnQueryDragIcon>),
    msgmap::onClicked(IDC_CONVERT, msgmap::call<CConverterDlg, &CConverterDlg::OnConvert>),
    msgmap::onClicked(IDC_COPY, msgmap::call<CConverterDlg, &CConverterDlg::OnCopyToClipboard>),
};
const MessageMap CConverterDlg::messageMap = {&CDialog::messageMap, messageEntries,
                                              sizeof(messageEntries) / sizeof(messageEntries[0])};

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_strBasePath(""),
      m_strTargetPath(""),
      m_strResultPath(""),
      m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CConverterDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_BASE_PATH, m_strBasePath);
  DDV_MaxChars(pDX, m_strBasePath, kFieldLimit);
  DDX_Text(pDX, IDC_TARGET_PATH, m_strTargetPath);
  DDV_MaxChars(pDX, m_strTargetPath, kFieldLimit);
  DDX_Text(pDX, IDC_RESULT_PATH, m_strResultPath);
  DDV_MaxChars(pDX, m_strResultPath, kFieldLimit);
}

BOOL CConverterDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  HMENU sysMenu = GetSystemMenu(FALSE);
  if (sysMenu != nullptr) {
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (!about.IsEmpty()) {
      ::AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  GetDlgItem(IDC_ABS_TO_REL).SendMessage(BM_SETCHECK, BST_CHECKED);
  UpdateData(FALSE);
  return TRUE;  // the dialog manager puts the focus on the first tab stop
}

void CConverterDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CConverterDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  RECT client;
  GetClientRect(&client);
  IconOrigin origin = minimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                                          ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CConverterDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

// The command goes on with the members as they stand even when the exchange refused a text.
void CConverterDlg::OnConvert() {
  UpdateData(TRUE);
  int mode =
      GetDlgItem(IDC_ABS_TO_REL).SendMessage(BM_GETCHECK) == BST_CHECKED ? MODE_ABS_TO_REL : MODE_REL_TO_ABS;
  if (m_strBasePath.IsEmpty()) {
    showMessage(m_hWnd, kMsgBasePathEmpty);
    return;
  }
  if (m_strTargetPath.IsEmpty()) {
    showMessage(m_hWnd, kMsgTargetPathEmpty);
    return;
  }

  char result[kResultBufferSize];
  int code = convertPath(m_strBasePath, m_strTargetPath, result, sizeof(result), mode);
  if (const char* message = messageForResult(code)) {
    showMessage(m_hWnd, message);  // the output box keeps what it showed
    return;
  }
  m_strResultPath = result;
  UpdateData(FALSE);
}

void CConverterDlg::OnCopyToClipboard() {
  UpdateData(TRUE);
  if (m_strResultPath.IsEmpty()) {
    showMessage(m_hWnd, kMsgConvertFirst);
    return;
  }
  if (!::OpenClipboard(m_hWnd)) return;  // another window holds it: nothing copied, nothing said
  ::EmptyClipboard();
  bool copied = putTextOnClipboard(m_strResultPath, static_cast<size_t>(m_strResultPath.GetLength()));
  ::CloseClipboard();
  // A copy that did not happen is never confirmed.
  if (copied) showMessage(m_hWnd, kMsgCopied);
}
