#include "app/clipboard_text.h"

#include <windows.h>

#include <cstring>

bool putTextOnClipboard(const char* text, size_t length) {
  HGLOBAL block = ::GlobalAlloc(GMEM_DDESHARE, length + 1);
  if (block == nullptr) return false;
  void* memory = ::GlobalLock(block);
  if (memory == nullptr) {
    ::GlobalFree(block);
    return false;
  }
  std::memcpy(memory, text, length);
  static_cast<char*>(memory)[length] = '\0';
  ::GlobalUnlock(block);
  if (::SetClipboardData(CF_TEXT, block) == nullptr) {
    ::GlobalFree(block);
    return false;
  }
  return true;
}
