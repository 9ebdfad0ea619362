// InstallerApp: the installer's application object. It owns the state the
// windows share and the two modeless windows, and runs the background window
// as the main window.
#pragma once

#include "installer/InstallSequence.h"
#include "installer/InstallState.h"
#include "installer/win32/Win32Files.h"

#include <windows.h>

#include <memory>

class DestinationDialog;
class InstallerDialog;
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
    // The background window ends: nothing more may begin, and an open
    // "Confirmation" closes.
    void ending();

    // Asks whether to quit, over `asker`, unless no quit question may be
    // asked now (see InstallSequence); true when the user chose to quit.
    bool askToQuit(const InstallerDialog& asker, const char* question);
    // Runs "Confirmation" over the "Destination" window; true when the copy
    // is to start now.
    bool confirm(HWND destination);

    InstallState& state() { return state_; }
    InstallSequence& sequence() { return sequence_; }
    Win32Files& files() { return files_; }

private:
    bool readSourceFolder();

    InstallState state_;
    InstallSequence sequence_{state_};
    Win32Files files_;
    // While it is open, so that a quit can close it.
    InstallerDialog* confirmation_ = nullptr;
    HWND background_ = nullptr;
    std::unique_ptr<DestinationDialog> destination_;
    std::unique_ptr<ProgressDialog> progress_;
};
