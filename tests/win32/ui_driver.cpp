#include "tests/win32/ui_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <thread>

#include "framework/dialog.h"

namespace {

std::string className(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof(name));
  return name;
}

struct ThreadWindows {
  std::vector<HWND> windows;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param) {
  reinterpret_cast<ThreadWindows*>(param)->windows.push_back(window);
  return TRUE;
}

std::vector<HWND> visibleDialogs(DWORD thread) {
  ThreadWindows all;
  ::EnumThreadWindows(thread, collectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> dialogs;
  for (HWND window : all.windows) {
    if (::IsWindowVisible(window) && className(window) == "#32770") dialogs.push_back(window);
  }
  return dialogs;
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
  reinterpret_cast<ThreadWindows*>(param)->windows.push_back(window);
  return TRUE;
}

}  // namespace

HWND Ui::focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(m_uiThread, &info) ? info.hwndFocus : nullptr;
}

HWND Ui::activeWindow() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(m_uiThread, &info) ? info.hwndActive : nullptr;
}

std::string Ui::text(HWND window) const {
  int length = static_cast<int>(::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied =
      static_cast<int>(::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return text;
}

bool Ui::waitUntil(const std::function<bool()>& condition, DWORD limitMs) const {
  DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > limitMs) return false;
    ::Sleep(5);
  }
  return true;
}

HWND Ui::popup() const {
  std::vector<HWND> dialogs = visibleDialogs(m_uiThread);
  HWND innermost = nullptr;
  for (HWND candidate : dialogs) {
    if (candidate == m_dialog) continue;
    bool ownsAnother = false;
    for (HWND other : dialogs)
      ownsAnother = ownsAnother || (other != candidate && ::GetWindow(other, GW_OWNER) == candidate);
    if (!ownsAnother) innermost = candidate;
  }
  return innermost;
}

HWND Ui::waitForPopup() const {
  HWND found = nullptr;
  waitUntil([&] { return (found = popup()) != nullptr; });
  return found;
}

PopupInfo Ui::readPopup(HWND popup) const {
  PopupInfo info;
  info.caption = text(popup);
  ThreadWindows children;
  ::EnumChildWindows(popup, collectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children.windows) {
    if (!::IsWindowVisible(child)) continue;
    std::string kind = className(child);
    LONG style = ::GetWindowLongA(child, GWL_STYLE);
    if (kind == "Button") {
      info.buttons.push_back(text(child));
    } else if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
      HICON icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
      if (icon != nullptr) info.icon = icon;
    } else if (kind == "Static") {
      info.texts.push_back(text(child));
    }
  }
  return info;
}

bool Ui::closePopup(HWND popup) const {
  ::PostMessageA(popup, WM_COMMAND, IDOK, 0);
  return waitUntil([&] { return !::IsWindow(popup) || !::IsWindowVisible(popup); });
}

PopupInfo Ui::expectPopup() const {
  HWND box = waitForPopup();
  if (box == nullptr) {
    ADD_FAILURE() << "no box appeared";
    return {};
  }
  PopupInfo info = readPopup(box);
  EXPECT_TRUE(closePopup(box));
  return info;
}

void Ui::pressKey(WORD vk, bool alt) const {
  INPUT inputs[4] = {};
  int count = 0;
  auto key = [&](WORD code, bool up) {
    inputs[count].type = INPUT_KEYBOARD;
    inputs[count].ki.wVk = code;
    inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ++count;
  };
  if (alt) key(VK_MENU, false);
  key(vk, false);
  key(vk, true);
  if (alt) key(VK_MENU, true);
  ::SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
}

void Ui::typeChar(char c) const {
  INPUT inputs[2] = {};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wScan = static_cast<WORD>(static_cast<unsigned char>(c));
    inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
  }
  ::SendInput(2, inputs, sizeof(INPUT));
}

void Ui::setText(int id, const std::string& text) const {
  ::SendMessageA(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Ui::click(int id) const { ::PostMessageA(item(id), BM_CLICK, 0, 0); }

void Ui::sysCommand(WPARAM command) const { ::PostMessageA(m_dialog, WM_SYSCOMMAND, command, 0); }

bool Ui::waitUntilGone() const {
  return waitUntil([&] { return dialogGone(); });
}

void runDriven(const std::function<void()>& work, const std::function<bool(HWND)>& isTarget,
               const std::function<void(Ui&)>& script) {
  DWORD uiThread = ::GetCurrentThreadId();
  std::thread driver([&] {
    HWND window = nullptr;
    Ui probe(uiThread, nullptr);
    bool shown = probe.waitUntil([&] {
      for (HWND candidate : visibleDialogs(uiThread)) {
        if (isTarget(candidate)) window = candidate;
      }
      return window != nullptr;
    });
    if (!shown) {
      ADD_FAILURE() << "the dialog did not appear";
      return;
    }
    Ui ui(uiThread, window);
    script(ui);
    // Cancel whatever is still open, innermost first.
    for (int attempt = 0; attempt < 10 && !ui.dialogGone(); ++attempt) {
      HWND open = ui.popup();
      HWND target = open != nullptr ? open : window;
      ::PostMessageA(target, WM_COMMAND, IDCANCEL, 0);
      ui.waitUntil([&] { return !::IsWindow(target) || !::IsWindowVisible(target); });
    }
  });
  work();
  driver.join();
}

INT_PTR runModal(CDialog& dialog, const std::function<void(Ui&)>& script) {
  INT_PTR result = 0;
  runDriven([&] { result = dialog.DoModal(); },
            [&](HWND window) { return CDialog::FromHandle(window) == &dialog; }, script);
  return result;
}

bool saveScreenshot(HWND window, const char* name) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  RECT rect;
  ::GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as a BMP file stores it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
  const size_t imageBytes = rowBytes * static_cast<size_t>(height);

  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap =
      ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  std::string previous, current;
  Ui timer(0, nullptr);
  // The window system may still be putting the last paint on the screen: grab until two grabs agree.
  bool stable = timer.waitUntil([&] {
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    previous.swap(current);
    current.assign(static_cast<const char*>(bits), imageBytes);
    return current == previous;
  });
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  if (!stable) return false;

  char path[MAX_PATH + 64];
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  char* slash = std::strrchr(path, '\\');
  if (slash == nullptr) return false;
  std::snprintf(slash + 1, sizeof(path) - static_cast<size_t>(slash + 1 - path), "screenshots");
  ::CreateDirectoryA(path, nullptr);
  std::string file = std::string(path) + "\\" + name + ".bmp";

  BITMAPFILEHEADER fileHeader = {};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  fileHeader.bfSize = static_cast<DWORD>(fileHeader.bfOffBits + imageBytes);
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return false;
  bool written = std::fwrite(&fileHeader, sizeof(fileHeader), 1, out) == 1 &&
                 std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                 std::fwrite(current.data(), 1, current.size(), out) == current.size();
  return std::fclose(out) == 0 && written;
}
