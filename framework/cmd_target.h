// The root of every class that handles messages or commands through a message map.
#pragma once

#include "framework/message_map.h"

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Runs the map entry for the command `id` with notification `code`; FALSE when no entry matches.
  BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

 protected:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = default;
  CCmdTarget& operator=(const CCmdTarget&) = default;

  virtual const MessageMap* GetMessageMap() const { return nullptr; }

  // The first entry for `message` (and, for WM_COMMAND, `code` and `id`) in this class's map or a base's.
  const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
