// The application: runs the main dialog once and ends when it closes.
#pragma once

#include "framework/win_app.h"

class CConverterApp : public CWinApp {
 public:
  CConverterApp();

  // Runs the main dialog; always FALSE, so the program ends when the dialog closes.
  BOOL InitInstance() override;

 protected:
  static const MessageMapEntry messageEntries[];
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }
};
