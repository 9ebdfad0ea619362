// ProgressDialog: the "Progress" window. The installation runs while it
// opens; the window is also the copy's view of the progress.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/win32/InstallerDialog.h"

class InstallerApp;

class ProgressDialog : public InstallerDialog, public ProgressView {
public:
    explicit ProgressDialog(InstallerApp& app) : app_(app) {}

    void showCopy(const std::string& source, const std::string& destination, int position) override;
    void setWaitCursor(bool wait) override;
    void showStatus(const std::string& text) override;
    void repaint() override { UpdateWindow(hwnd()); }
    void reportError(const std::string& text) override;

private:
    BOOL onInit() override;
    bool onCommand(int id) override { return dispatchCommand(*this, kCommands, id); }

    // Esc does nothing while files are copied.
    void onCancel() {}

    void writeStrings();

    static const CommandHandler<ProgressDialog> kCommands[1];
    InstallerApp& app_;
    std::string copyingLabel_;
    std::string sourceLine_;
    std::string toLabel_;
    std::string destinationLine_;
};
