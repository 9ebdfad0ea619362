// Message boxes of the pages.
#include "ui/Messages.h"

void showMessage(HWND owner, UINT textId, UINT iconStyle) {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), textId, text, sizeof text);
    showMessageText(owner, text, iconStyle);
}

void showMessageText(HWND owner, const std::string& text, UINT iconStyle) {
    MessageBoxA(owner, text.c_str(), "Zembrafind", MB_OK | iconStyle);
}
