// The program entry: runs the start-up of the single application object.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr || !app->InitApplication(instance)) return 0;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
