// Resource ids of the application core (range 100-199; icon 128 is fixed).
#pragma once

#define IDI_APP 128
#define IDD_MAIN 100

// MainWindow commands (tray menu items and the hidden window's own buttons).
#define IDM_VOCABULARIES 110
#define IDM_SETTINGS 111
#define IDM_ABOUT 112
#define IDM_HELP 113
#define IDM_EXIT 114
#define IDM_MENU 115
#define IDM_HIDE 116
#define IDM_READ_ALL 117

// The tabbed window (ids 150-169).
#define IDD_TABBED 150
#define IDC_TABS 151
#define IDC_TITLE_ANCHOR 152
#define IDC_INIT 153
#define IDC_HELP_BUTTON 154
// Ctrl+Tab and Ctrl+Shift+Tab (also Ctrl+PageDown, Ctrl+PageUp): commands only.
#define IDC_NEXT_TAB 155
#define IDC_PREVIOUS_TAB 156

#define IDS_TRAY_TIP 180
