// CDialog: a modal dialog made from a dialog template resource, with its own modal loop, data exchange
// and the default OK and Cancel behaviour.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Creates the dialog from its template, disables the owner (the given parent, else the application's
  // main window), runs the modal loop until EndDialog and returns its code; -1 when the dialog cannot be
  // created.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  // Exchanges data between the controls and the members: TRUE reads the controls, FALSE writes them.
  // FALSE when a validation failed.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  virtual BOOL OnInitDialog();

  UINT GetTemplateId() const { return m_templateId; }

  // The framework's dialog object for a dialog window, or nullptr when the window is not one of ours.
  static CDialog* FromHandle(HWND hwnd);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK();
  virtual void OnCancel();
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();

  static const MessageMapEntry messageEntries[];
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL HandleInitDialog(HWND hwnd);
  void Detach();
  void RunModalLoop();
  void CenterWindow();
  HWND FindOwner() const;

  UINT m_templateId;
  CWnd* m_pParentWnd;
  const void* m_template = nullptr;  // the locked template while DoModal runs
  bool m_ended = false;
  int m_result = -1;
};
