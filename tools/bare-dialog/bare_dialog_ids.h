// Template and control numbers shared by the bare dialog's program and resource script.
#pragma once

#define IDD_BARE_DIALOG 100
#define IDC_BARE_FIRST 1000
#define IDC_BARE_SECOND 1001
#define IDC_BARE_THIRD 1002
#define IDC_BARE_OPTION_A 1003
#define IDC_BARE_OPTION_B 1004
#define IDC_BARE_ACTION 1005
