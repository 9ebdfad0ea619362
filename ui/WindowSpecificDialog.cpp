// The "Window Specific" dialog: edits one window title and its key sequence.
#include "ui/WindowSpecificDialog.h"

#include "resources/SettingsIds.h"

const CommandHandler<WindowSpecificDialog> WindowSpecificDialog::kCommands[] = {
    {IDOK, &WindowSpecificDialog::onOk},
};

const MessageMap<WindowSpecificDialog> WindowSpecificDialog::kMap{{}, kCommands, {}};

INT_PTR WindowSpecificDialog::run(HWND owner) {
    return runModal(owner, IDD_WINDOW_SPECIFIC);
}

BOOL WindowSpecificDialog::onInit() {
    setItemText(IDC_WINSPEC_TITLE, windowTitle);
    setItemText(IDC_WINSPEC_SEQUENCE, keySequence);
    return TRUE;
}

// Key sequences are kept as typed; they are checked only when played.
void WindowSpecificDialog::onOk() {
    windowTitle = itemText(IDC_WINSPEC_TITLE);
    keySequence = itemText(IDC_WINSPEC_SEQUENCE);
    end(IDOK);
}
