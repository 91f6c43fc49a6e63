// Command identifiers and help contexts of the framework.
#pragma once

#include <windows.h>

// The help command that F1 sends to the main window and that the application's message map handles.
constexpr UINT ID_HELP = 0xE146;

// Help contexts of dialogs: this base plus the dialog's template number.
constexpr DWORD HID_BASE_RESOURCE = 0x20000;
