// ConfirmationDialog (see ConfirmationDialog.h).
#include "installer/win32/ConfirmationDialog.h"

#include "installer/Destination.h"
#include "installer/InstallState.h"
#include "resources/InstallIds.h"

const CommandHandler<ConfirmationDialog> ConfirmationDialog::kCommands[1] = {
    {IDOK, &ConfirmationDialog::onYes},
};

BOOL ConfirmationDialog::onInit() {
    setItemText(IDC_CONFIRM_FOLDER, state_.destinationText);
    setChecked(IDC_CONFIRM_STARTUP, state_.addToStartup);
    return TRUE;
}

void ConfirmationDialog::onYes() {
    const DestinationCheck check =
        prepareDestination(files_, state_.destinationText, state_.destinationPath);
    if (check == DestinationCheck::Ready)
        end(IDOK);
    else
        ask(destinationMessage(check), MB_OK | MB_ICONHAND);
}
