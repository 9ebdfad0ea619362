// What the installer and the uninstaller need of the platform, so that their
// logic builds and is tested without it: the file system, the progress
// display and the DDE conversation with the shell's Program Manager.
#pragma once

#include <string>

class InstallFiles {
public:
    virtual ~InstallFiles() = default;
    // Succeeds when the folder exists, and makes it the current directory.
    virtual bool setCurrentDirectory(const std::string& folder) = 0;
    // Creates exactly one folder level.
    virtual bool createDirectory(const std::string& folder) = 0;
    virtual bool copyFile(const std::string& source, const std::string& destination,
                          bool failIfExists) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // Removes an empty folder; fails when anything is left in it.
    virtual bool removeDirectory(const std::string& folder) = 0;
    // Arranges for a file or empty folder to be removed when the system next
    // starts (a running program cannot delete its own file).
    virtual bool removeAtRestart(const std::string& path) = 0;
};

// The "Progress" window as the copy sees it.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Shows the file being copied and the number already copied, at once.
    virtual void showCopy(const std::string& source, const std::string& destination,
                          int position) = 0;
    virtual void setWaitCursor(bool wait) = 0;
    // Shows a status text alone: the labels and the destination line are
    // emptied and the progress bar is hidden.
    virtual void showStatus(const std::string& text) = 0;
    virtual void repaint() = 0;
    // A message box with the stop icon and an OK button.
    virtual void reportError(const std::string& text) = 0;
};

// A client conversation with the Program Manager ("PROGMAN").
class DdeChannel {
public:
    virtual ~DdeChannel() = default;
    virtual bool initialize() = 0;
    // True when the shell answered.
    virtual bool connect() = 0;
    // Sends one command; its outcome is not reported.
    virtual void execute(const std::string& command) = 0;
    virtual void disconnect() = 0;
    virtual void uninitialize() = 0;
};
