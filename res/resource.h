// Resource and control identifiers shared by the resource script and the application's code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CONVERTER_DIALOG 102
#define IDR_MAINFRAME 128

#define IDC_BASE_PATH 1000
#define IDC_TARGET_PATH 1001
#define IDC_ABS_TO_REL 1002
#define IDC_RESULT_PATH 1004
#define IDC_REL_TO_ABS 1005
#define IDC_CONVERT 1006
#define IDC_COPY 1007

// System-menu command of the About entry: a multiple of 16 below 0xF000, as system commands must be.
#define IDM_ABOUTBOX 0x0010
