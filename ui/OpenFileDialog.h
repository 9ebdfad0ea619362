// The system's open-file dialog as the pages use it: an initial file-name
// text, filters in the program's bar notation, the read-only box hidden.
#pragma once

#include <windows.h>

#include <string>

// Asks for a file to open; true and its full path when the user confirmed.
bool askFileToOpen(HWND owner, const char* initialName, const char* barFilter, std::string& path);
