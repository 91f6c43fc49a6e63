#include "tests/win32/clipboard_state.h"

#include <algorithm>
#include <cstring>

#include "tests/win32/ui_driver.h"

bool ClipboardState::hasFormat(UINT format) const {
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

ClipboardState readClipboard() {
  ClipboardState state;
  Ui timer(0, nullptr);
  if (!timer.waitUntil([] { return ::OpenClipboard(nullptr) != FALSE; })) return state;
  state.opened = true;
  for (UINT format = ::EnumClipboardFormats(0); format != 0; format = ::EnumClipboardFormats(format))
    state.formats.push_back(format);
  if (HANDLE block = ::GetClipboardData(CF_TEXT)) {
    state.blockSize = ::GlobalSize(block);
    if (const char* text = static_cast<const char*>(::GlobalLock(block))) {
      state.hasText = true;
      state.text.assign(text, strnlen(text, state.blockSize));
      ::GlobalUnlock(block);
    }
  }
  if (HANDLE block = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* text = static_cast<const wchar_t*>(::GlobalLock(block))) {
      char converted[8192] = {};
      int length = ::WideCharToMultiByte(932, 0, text, -1, converted, sizeof(converted), nullptr, nullptr);
      if (length > 0) state.unicodeText = converted;
      ::GlobalUnlock(block);
    }
  }
  ::CloseClipboard();
  return state;
}

UINT testFormat() { return ::RegisterClipboardFormatA("Trailwick test format"); }

bool seedClipboard(HWND owner, const std::string& text) {
  if (!::OpenClipboard(owner)) return false;
  ::EmptyClipboard();
  bool ok = true;
  auto put = [&](UINT format, const void* data, size_t size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* memory = block != nullptr ? ::GlobalLock(block) : nullptr;
    if (memory == nullptr) {
      ok = false;
      return;
    }
    std::memcpy(memory, data, size);
    ::GlobalUnlock(block);
    if (::SetClipboardData(format, block) == nullptr) {
      ::GlobalFree(block);
      ok = false;
    }
  };
  put(CF_TEXT, text.c_str(), text.size() + 1);
  put(testFormat(), "seed", 4);
  ::CloseClipboard();
  return ok;
}
