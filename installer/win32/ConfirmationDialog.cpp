// ConfirmationDialog (see ConfirmationDialog.h).
#include "installer/win32/ConfirmationDialog.h"

#include "installer/InstallSequence.h"
#include "resources/InstallIds.h"

const CommandHandler<ConfirmationDialog> ConfirmationDialog::kCommands[1] = {
    {IDOK, &ConfirmationDialog::onYes},
};

BOOL ConfirmationDialog::onInit() {
    setItemText(IDC_CONFIRM_FOLDER, sequence_.state().destinationText);
    setChecked(IDC_CONFIRM_STARTUP, sequence_.state().addToStartup);
    return TRUE;
}

void ConfirmationDialog::onYes() {
    const char* refusal = nullptr;
    if (sequence_.confirm(files_, refusal))
        end(IDOK);
    else if (refusal)
        ask(refusal, MB_OK | MB_ICONHAND);
}
