// ConfirmationDialog: the modal "Confirmation" window; "Yes" makes sure the
// destination folder exists before the copy may start.
#pragma once

#include "installer/win32/InstallerDialog.h"

class InstallFiles;
struct InstallState;

class ConfirmationDialog : public InstallerDialog {
public:
    ConfirmationDialog(InstallState& state, InstallFiles& files) : state_(state), files_(files) {}

private:
    BOOL onInit() override;
    bool onCommand(int id) override { return dispatchCommand(*this, kCommands, id); }

    // Refuses an unusable folder with a message and stays open.
    void onYes();

    static const CommandHandler<ConfirmationDialog> kCommands[1];
    InstallState& state_;
    InstallFiles& files_;
};
