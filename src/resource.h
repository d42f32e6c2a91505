// Resource and control ids of the program's dialogs, bitmaps and icon.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_ZANTOLICE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_ABOUT_BACK 134
#define IDB_MAIN_BACK 135

#define IDC_CHOICE1 1000
#define IDC_CHOICE2 1001
#define IDC_CHOICE3 1002
#define IDC_CHOICE4 1003
#define IDC_CHOICE5 1004
#define IDC_OPEN 1005
#define IDC_CHOICE6 1012
#define IDC_START 1013
#define IDC_QUESTION 1020
#define IDC_CHOICE_TEXT1 1024
#define IDC_CHOICE_TEXT2 1025
#define IDC_CHOICE_TEXT3 1026
#define IDC_CHOICE_TEXT4 1027
#define IDC_CHOICE_TEXT5 1028
#define IDC_CHOICE_TEXT6 1029
#define IDC_SCORE 1030
#define IDC_ABOUT 1040
#define IDC_CLEAR 1042

// Commands that no control sends.
#define ID_FILE_OPEN_COMMAND_LINE 32771
#define ID_DRILL_REVERSE 32772
#define ID_EDIT_COPY_MISSED 32773
