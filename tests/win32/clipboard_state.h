// Reading and seeding the clipboard from a test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ClipboardState {
  bool opened = false;
  std::vector<UINT> formats;  // in the clipboard's order
  bool hasText = false;
  std::string text;         // CF_TEXT up to its NUL
  size_t blockSize = 0;     // size of the CF_TEXT block
  std::string unicodeText;  // CF_UNICODETEXT as CP932, if the system offers it
  bool hasFormat(UINT format) const;
};

// Opens the clipboard (waiting while someone else has it open), reads it and closes it.
ClipboardState readClipboard();

// The format a seeded clipboard carries beside its text.
UINT testFormat();

// Empties the clipboard and puts `text` as CF_TEXT and a few bytes of testFormat() on it, owned by `owner`.
bool seedClipboard(HWND owner, const std::string& text);
