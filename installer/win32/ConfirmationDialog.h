// ConfirmationDialog: the modal "Confirmation" window; "Yes" makes sure the
// destination folder exists before the copy may start.
#pragma once

#include "installer/win32/InstallerDialog.h"

class InstallFiles;
class InstallSequence;

class ConfirmationDialog : public InstallerDialog {
public:
    ConfirmationDialog(InstallSequence& sequence, InstallFiles& files)
        : sequence_(sequence), files_(files) {}

private:
    BOOL onInit() override;
    bool onCommand(int id) override { return dispatchCommand(*this, kCommands, id); }

    // Refuses an unusable folder with a message and stays open.
    void onYes();

    static const CommandHandler<ConfirmationDialog> kCommands[1];
    InstallSequence& sequence_;
    InstallFiles& files_;
};
