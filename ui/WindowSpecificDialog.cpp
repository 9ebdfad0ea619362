// The "Window Specific" dialog: edits one window title and its key sequence.
#include "ui/WindowSpecificDialog.h"

#include "resources/SettingsIds.h"
#include "ui/KeyNameWarning.h"

const CommandHandler<WindowSpecificDialog> WindowSpecificDialog::kCommands[] = {
    {IDOK, &WindowSpecificDialog::onOk},
};

const MessageMap<WindowSpecificDialog> WindowSpecificDialog::kMap{{}, kCommands, {}};

INT_PTR WindowSpecificDialog::run(HWND owner) {
    return runModal(owner, IDD_WINDOW_SPECIFIC);
}

BOOL WindowSpecificDialog::onInit() {
    setItemText(IDC_TITLE_PAIR_TITLE, windowTitle);
    setItemText(IDC_TITLE_PAIR_SEQUENCE, keySequence);
    return TRUE;
}

// Key sequences are kept as typed, after a question about any "<name>" that
// would be typed as text; No leaves the user at the sequence to mend it.
void WindowSpecificDialog::onOk() {
    const std::string sequence = itemText(IDC_TITLE_PAIR_SEQUENCE);
    if (!KeepKeySequence(hwnd(), sequence)) {
        SetFocus(GetDlgItem(hwnd(), IDC_TITLE_PAIR_SEQUENCE));
        return;
    }
    windowTitle = itemText(IDC_TITLE_PAIR_TITLE);
    keySequence = sequence;
    end(IDOK);
}
