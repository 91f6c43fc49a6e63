// Message maps: small static tables that tie a window message, or a command from a control or menu, to a
// member function. Each class that handles messages holds one table and points to its base class's map;
// dispatch searches the most derived table first.
#pragma once

#include <windows.h>

#include <cstddef>

class CCmdTarget;

// Calls one member function of `target` with the message's parameters unpacked; returns the message result.
using MessageHandler = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
  UINT message;  // WM_COMMAND entries match on `code` and `id` as well
  UINT code;     // notification code (0: BN_CLICKED, menu and dialog-manager commands)
  UINT id;       // command or control identifier
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* base;  // searched when no entry here matches; nullptr at the root
  const MessageMapEntry* entries;
  size_t count;
};

// The handler shapes the framework knows, one thunk each.
namespace msgmap {

template <class T, void (T::*F)()>
LRESULT call(CCmdTarget& target, WPARAM, LPARAM) {
  (static_cast<T&>(target).*F)();
  return 0;
}

// WM_SYSCOMMAND: the command identifier and the message's LPARAM.
template <class T, void (T::*F)(UINT, LPARAM)>
LRESULT callSysCommand(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  (static_cast<T&>(target).*F)(static_cast<UINT>(wParam), lParam);
  return 0;
}

// WM_QUERYDRAGICON: the handler's cursor is the message result.
template <class T, HCURSOR (T::*F)()>
LRESULT callQueryDragIcon(CCmdTarget& target, WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>((static_cast<T&>(target).*F)());
}

constexpr MessageMapEntry onMessage(UINT message, MessageHandler handler) { return {message, 0, 0, handler}; }

// A command with notification code 0: a menu item, IDOK/IDCANCEL from the dialog manager, or a button's
// BN_CLICKED.
constexpr MessageMapEntry onCommand(UINT id, MessageHandler handler) { return {WM_COMMAND, 0, id, handler}; }

constexpr MessageMapEntry onClicked(UINT id, MessageHandler handler) {
  return {WM_COMMAND, BN_CLICKED, id, handler};
}

}  // namespace msgmap
