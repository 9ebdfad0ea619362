// The installer's dialog base (see InstallerDialog.h).
#include "installer/win32/InstallerDialog.h"

#include "installer/InstallMessages.h"
#include "installer/win32/ModalScope.h"

// The messages sent while the window is destroyed must not reach an object
// that is half destroyed already: the window forgets it first.
InstallerDialog::~InstallerDialog() {
    if (modeless_ && hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR InstallerDialog::runModal(HWND owner, int templateId) {
    const ModalScope modal(owner);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                           &InstallerDialog::procedure, reinterpret_cast<LPARAM>(this));
}

HWND InstallerDialog::createModeless(HWND owner, int templateId) {
    modeless_ = true;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                              &InstallerDialog::procedure, reinterpret_cast<LPARAM>(this));
}

std::string InstallerDialog::itemText(int id) const {
    HWND control = item(id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void InstallerDialog::setItemText(int id, const std::string& text) const {
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

void InstallerDialog::setChecked(int id, bool on) const {
    CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED);
}

int InstallerDialog::ask(const char* text, UINT style) const {
    const ModalScope modal(hwnd_);
    return MessageBoxA(hwnd_, text, msg::kCaption, style);
}

bool InstallerDialog::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR CALLBACK InstallerDialog::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<InstallerDialog*>(l);
        SetWindowLongPtrA(window, DWLP_USER, l);
        self->hwnd_ = window;
        return self->onInit();
    }
    auto* self = reinterpret_cast<InstallerDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY)
        self->hwnd_ = nullptr;
    return self->handle(message, w, l);
}

INT_PTR InstallerDialog::handle(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_COMMAND) {
        const int id = LOWORD(w);
        if (onCommand(id))
            return TRUE;
        if (id == IDOK || id == IDCANCEL) {
            end(id);
            return TRUE;
        }
        return FALSE;
    }
    INT_PTR result = FALSE;
    return onMessage(message, w, l, result) ? result : FALSE;
}
