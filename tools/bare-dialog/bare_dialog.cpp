// A modal dialog straight over Win32, with nothing on top: Enter, Esc and the close box end it.
#include <windows.h>

#include "bare_dialog_ids.h"

static INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, IDC_BARE_OPTION_A, IDC_BARE_OPTION_B, IDC_BARE_OPTION_A);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_BARE_DIALOG), nullptr, BareDialogProc, 0);
    return 0;
}
