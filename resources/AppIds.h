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

// Texts (ids 180-199): the tray tip, the program's name as caption and
// painted title, the tab titles in page order.
#define IDS_TRAY_TIP 180
#define IDS_APP_TITLE 181
#define IDS_TAB_VOCABULARIES 182
#define IDS_TAB_KEYWORDS 183
#define IDS_TAB_SETTINGS 184
#define IDS_TAB_ABOUT 185
#define IDS_SAVE_FAILED 186
#define IDS_LOAD_FAILED 187
// The data file held open at start-up, and the save without it.
#define IDS_DATA_UNREADABLE 195
#define IDS_SAVE_WITHOUT_FILE 196
// A second start that cannot hand over to the first copy.
#define IDS_FIRST_COPY_SILENT 197
#define IDS_FIRST_COPY_UNREACHABLE 198
// What the tray icon says after a read that listed nothing.
#define IDS_READ_NO_KEYWORDS 188
#define IDS_READ_NO_TEXT 189
#define IDS_READ_UNTITLED 190
