// EntryListInput: what the Keywords page's entry list needs beyond the list
// control's own handling: Enter, which the dialog manager would otherwise
// give to the tabbed window's default button, and dropped files.
#pragma once

#include <windows.h>

// Puts a window procedure in front of the list control's: it asks for the
// Enter key (the list then tells its parent with NM_RETURN), accepts
// dropped files and hands their WM_DROPFILES to the parent.
void takeEntryListInput(HWND list);
