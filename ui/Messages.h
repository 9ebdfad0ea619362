// The pages' message boxes: a text from the string table under the
// program's usual caption. One icon convention for the program's own words:
// MB_ICONSTOP when something asked for did not happen, MB_ICONINFORMATION
// for guidance; the same text always with the same icon.
#pragma once

#include <windows.h>

#include <string>

void showMessage(HWND owner, UINT textId, UINT iconStyle);
// A text composed at run time, under the same caption.
void showMessageText(HWND owner, const std::string& text, UINT iconStyle);
