// DestinationDialog (see DestinationDialog.h).
#include "installer/win32/DestinationDialog.h"

#include "installer/InstallMessages.h"
#include "installer/win32/FolderBrowser.h"
#include "installer/win32/InstallerApp.h"
#include "resources/InstallIds.h"

const CommandHandler<DestinationDialog> DestinationDialog::kCommands[3] = {
    {IDC_DEST_BROWSE, &DestinationDialog::onBrowse},
    {IDOK, &DestinationDialog::onOk},
    {IDCANCEL, &DestinationDialog::onExit},
};

DestinationDialog::DestinationDialog(InstallerApp& app) : app_(app), state_(app.state()) {}

BOOL DestinationDialog::onInit() {
    ShowWindow(hwnd(), SW_SHOW);
    state_.addToStartup = true;
    state_.destinationText = msg::kDefaultDestination;
    writeControls();
    return TRUE;
}

// The check box is read first, so that a change the user made to it before
// browsing is kept.
void DestinationDialog::onBrowse() {
    std::string folder;
    if (!browseForFolder(hwnd(), folder))
        return;
    readControls();
    state_.destinationText = folder;
    writeControls();
}

void DestinationDialog::onOk() {
    readControls();
    if (!app_.confirm(hwnd()))
        return;
    readControls();
    end(IDOK);
    app_.openProgress();
}

void DestinationDialog::onExit() {
    if (!app_.askToQuit(*this, msg::kQuitFromDestination))
        return;
    end(IDCANCEL);
    app_.endInstaller();
}

void DestinationDialog::readControls() {
    state_.destinationText = itemText(IDC_DEST_FOLDER);
    state_.addToStartup = isChecked(IDC_DEST_STARTUP);
}

void DestinationDialog::writeControls() {
    setItemText(IDC_DEST_FOLDER, state_.destinationText);
    setChecked(IDC_DEST_STARTUP, state_.addToStartup);
}
