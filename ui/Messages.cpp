// Message boxes of the pages.
#include "ui/Messages.h"

#include "resources/AppIds.h"
#include "toolkit/LoadText.h"

void showMessage(HWND owner, UINT textId, UINT iconStyle) {
    showMessageText(owner, loadText(textId), iconStyle);
}

void showMessageText(HWND owner, const std::string& text, UINT iconStyle) {
    MessageBoxA(owner, text.c_str(), loadText(IDS_APP_TITLE).c_str(), MB_OK | iconStyle);
}
