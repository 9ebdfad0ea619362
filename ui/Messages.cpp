// Message boxes of the pages.
#include "ui/Messages.h"

#include "app/Application.h"

void showMessage(HWND owner, UINT textId, UINT iconStyle) {
    char text[256] = {};
    LoadStringA(app().instance(), textId, text, sizeof text);
    showMessageText(owner, text, iconStyle);
}

void showMessageText(HWND owner, const std::string& text, UINT iconStyle) {
    MessageBoxA(owner, text.c_str(), "Zembrafind", MB_OK | iconStyle);
}
