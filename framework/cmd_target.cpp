#include "framework/cmd_target.h"

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
    for (size_t i = 0; i < map->count; ++i) {
      const MessageMapEntry& entry = map->entries[i];
      if (entry.message != message) continue;
      if (message == WM_COMMAND && (entry.code != code || entry.id != id)) continue;
      return &entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
  const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, code, id);
  if (entry == nullptr) return FALSE;
  entry->handler(*this, wParam, lParam);
  return TRUE;
}
