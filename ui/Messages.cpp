// Message boxes of the pages.
#include "ui/Messages.h"

void showMessage(HWND owner, UINT textId, UINT iconStyle) {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), textId, text, sizeof text);
    MessageBoxA(owner, text, "Zembrafind", MB_OK | iconStyle);
}
