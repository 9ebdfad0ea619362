// BackgroundWindow: the maximized "Zembrafind Installation" window with the
// banner; the installer's main window, whose end ends the installer.
#pragma once

#include "installer/win32/InstallerDialog.h"

class InstallerApp;

class BackgroundWindow : public InstallerDialog {
public:
    explicit BackgroundWindow(InstallerApp& app) : app_(app) {}

private:
    BOOL onInit() override;
    bool onCommand(int id) override { return dispatchCommand(*this, kCommands, id); }
    bool onMessage(UINT message, WPARAM w, LPARAM l, INT_PTR& result) override;

    bool paint();
    // Keeps the window maximized: the dialog manager shows a modal dialog
    // "normal" once its queue first runs empty, which would undo the
    // maximizing done while it opened.
    void keepMaximized(WPARAM sizeType);

    // IDOK: the rest of the installer asks to end.
    void onOk();
    // IDCANCEL (Esc, close box): asks first, unless another question is open
    // or the copy has begun.
    void onCancel();

    static const CommandHandler<BackgroundWindow> kCommands[2];
    InstallerApp& app_;
};
