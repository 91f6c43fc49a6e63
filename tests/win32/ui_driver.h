// Drives a modal dialog from outside: the dialog runs on the test's own thread, a script acts on it from a
// second thread through the window system (keys, clicks, messages) and watches for the boxes it opens.
// Every wait is for a condition, with a generous upper bound.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CDialog;

constexpr DWORD kWaitLimitMs = 20000;

// What a message box or About box shows.
struct PopupInfo {
  std::string caption;
  std::vector<std::string> texts;    // static texts, in creation order
  std::vector<std::string> buttons;  // button texts, in creation order
  HICON icon = nullptr;              // the icon shown, if any
};

class Ui {
 public:
  Ui(DWORD uiThread, HWND dialog) : m_uiThread(uiThread), m_dialog(dialog) {}

  HWND dialog() const { return m_dialog; }
  HWND item(int id) const { return ::GetDlgItem(m_dialog, id); }
  HWND focus() const;
  HWND activeWindow() const;
  std::string text(HWND window) const;
  std::string itemText(int id) const { return text(item(id)); }

  // Polls `condition` until it holds; false when it still does not after `limitMs`.
  bool waitUntil(const std::function<bool()>& condition, DWORD limitMs = kWaitLimitMs) const;

  // The innermost visible dialog-class window of the dialog's thread other than the dialog itself (a
  // message box or an About box), or nullptr.
  HWND popup() const;
  HWND waitForPopup() const;
  PopupInfo readPopup(HWND popup) const;
  // Closes a box with its OK command and waits until it has gone.
  bool closePopup(HWND popup) const;
  // Waits for a box, reads it and closes it; an empty caption when none came.
  PopupInfo expectPopup() const;

  // Real key strokes through the system's input queue, to the focused window of the active dialog.
  void pressKey(WORD vk, bool alt = false) const;
  // Types one character as the keyboard would deliver it.
  void typeChar(char c) const;
  // Sets an edit's text directly (WM_SETTEXT), past any text limit.
  void setText(int id, const std::string& text) const;
  // Clicks a button: posted, so the script goes on while the click's handler runs (and opens boxes).
  void click(int id) const;
  // Posts a system command to the dialog, as choosing it from the system menu does.
  void sysCommand(WPARAM command) const;

  bool dialogGone() const { return !::IsWindow(m_dialog); }
  bool waitUntilGone() const;

 private:
  DWORD m_uiThread;
  HWND m_dialog;
};

// Runs `work` on this thread while `script` drives, from another thread, the first visible dialog window
// of this thread that `isTarget` accepts. Whatever the script leaves open is cancelled afterwards, so a
// failing script never hangs the run.
void runDriven(const std::function<void()>& work, const std::function<bool(HWND)>& isTarget,
               const std::function<void(Ui&)>& script);

// Runs `dialog.DoModal()` driven by `script`; returns DoModal's result.
INT_PTR runModal(CDialog& dialog, const std::function<void(Ui&)>& script);

// Saves what the screen shows of `window` as a BMP file under the test program's directory
// (screenshots\NAME.bmp), once two grabs in a row agree.
bool saveScreenshot(HWND window, const char* name);
