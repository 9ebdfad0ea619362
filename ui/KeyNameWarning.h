// The question the key-sequence dialogs ask before OK when a sequence holds
// a "<name>" that is no key token: it would be typed into the document.
#pragma once

#include <windows.h>

#include <string>

// True to keep the sequence: it has no such name, or the user chose Yes.
bool KeepKeySequence(HWND owner, const std::string& sequence);
