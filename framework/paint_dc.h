// CPaintDC: the device context of one WM_PAINT, from BeginPaint to EndPaint.
#pragma once

#include <windows.h>

class CWnd;

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

  PAINTSTRUCT m_ps;

 private:
  HWND m_hWnd;
  HDC m_hDC;
};
