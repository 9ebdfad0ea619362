// The pages' message boxes: a text from the string table under the
// program's usual caption.
#pragma once

#include <windows.h>

void showMessage(HWND owner, UINT textId, UINT iconStyle);
