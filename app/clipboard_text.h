// Puts text on the clipboard, which the caller has opened and emptied.
#pragma once

#include <cstddef>

// Places `length` bytes of ANSI text and a terminating NUL as CF_TEXT, in a block of exactly length + 1
// bytes. True when the clipboard took the block (it then belongs to the system); false when the block
// could not be made or the clipboard refused it, which frees the block again.
bool putTextOnClipboard(const char* text, size_t length);
