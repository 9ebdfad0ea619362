// The dialog procedure shared by every window of the program. The module
// instance is the program's own, so the toolkit needs nothing of app/.
#include "toolkit/Dialog.h"

#include <vector>

Dialog::~Dialog() {
    if (modeless_ && hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR Dialog::runModal(HWND owner, int templateId) {
    modeless_ = false;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                           procedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(HWND owner, int templateId) {
    modeless_ = true;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                              procedure, reinterpret_cast<LPARAM>(this));
}

std::string Dialog::itemText(int id) const {
    HWND control = item(id);
    std::vector<char> buffer(GetWindowTextLengthA(control) + 2);
    GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

void Dialog::setItemText(int id, const std::string& text) const {
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

void Dialog::onUnhandledCommand(int id) {
    if (id == IDOK || id == IDCANCEL)
        end(id);
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(l);
        SetWindowLongPtrA(window, DWLP_USER, l);
        self->hwnd_ = window;
        INT_PTR result = 0;
        if (self->dispatch(message, w, l, result))
            return result;
        return self->onInit();
    }
    if (!self)
        return FALSE;
    INT_PTR result = 0;
    if (self->dispatch(message, w, l, result))
        return result;
    if (message == WM_COMMAND) {
        self->onUnhandledCommand(LOWORD(w));
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return FALSE;
}
