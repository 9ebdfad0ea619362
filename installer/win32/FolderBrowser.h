// FolderBrowser: the shell's folder browser for the "Destination" window.
#pragma once

#include <windows.h>

#include <string>

// Lets the user pick a folder; true and the folder's path when the user
// confirmed a file-system folder. A shell item without a path (Control Panel,
// a printer) is treated as a cancel.
bool browseForFolder(HWND owner, std::string& folder);
