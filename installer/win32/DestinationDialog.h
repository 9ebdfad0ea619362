// DestinationDialog: the "Destination" window, where the user chooses the
// folder and whether the program starts with Windows.
#pragma once

#include "installer/win32/InstallerDialog.h"

class InstallerApp;
struct InstallState;

class DestinationDialog : public InstallerDialog {
public:
    explicit DestinationDialog(InstallerApp& app);

private:
    BOOL onInit() override;
    bool onCommand(int id) override { return dispatchCommand(*this, kCommands, id); }

    void onBrowse();
    // Confirms, then hands over to the "Progress" window.
    void onOk();
    // "Exit", Esc and the close box: asks whether to quit.
    void onExit();

    void readControls();
    void writeControls();

    static const CommandHandler<DestinationDialog> kCommands[3];
    InstallerApp& app_;
    InstallState& state_;
};
