// InstallerApp: the installer's application object. It owns the state the
// windows share and the two modeless windows, and runs the background window
// as the main window.
#pragma once

#include "installer/InstallState.h"
#include "installer/win32/Win32Files.h"

#include <windows.h>

#include <memory>

class DestinationDialog;
class ProgressDialog;

class InstallerApp {
public:
    InstallerApp();
    ~InstallerApp();

    // Runs the installer to its end; returns the process's exit code.
    int run();

    // Called by the windows as the installation goes on.
    void openDestination(HWND background);
    void openProgress();
    // Gives the "Destination" window the keyboard while it is shown.
    void activateDestination() const;
    // Ends the installer from any window: the background window's IDOK.
    void endInstaller() const;

    InstallState& state() { return state_; }
    Win32Files& files() { return files_; }

private:
    bool readSourceFolder();

    InstallState state_;
    Win32Files files_;
    HWND background_ = nullptr;
    std::unique_ptr<DestinationDialog> destination_;
    std::unique_ptr<ProgressDialog> progress_;
};
