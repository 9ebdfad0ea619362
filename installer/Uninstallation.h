// The uninstaller's logic: it removes exactly what the installer made (the
// listed files, the folder if it is then empty, the Start menu entries) and
// keeps the user's data file when asked to.
#pragma once

#include "installer/InstallPlatform.h"
#include "installer/TextTable.h"

#include <string>
#include <vector>

// The questions and the closing report, as message boxes.
class UninstallUi {
public:
    virtual ~UninstallUi() = default;
    virtual bool confirmRemoval(const std::string& text) = 0;
    // Asked with "keep" as the default answer.
    virtual bool askKeepData(const std::string& text) = 0;
    virtual void report(const std::string& text) = 0;
    // A message with the stop icon: nothing is done.
    virtual void refuse(const std::string& text) = 0;
};

struct UninstallResult {
    int removedFiles = 0;
    std::vector<std::string> notRemoved; // installed names that are still there
    bool keptData = false;
    bool groupRemoved = false;  // the shell answered the removal commands
    bool selfAtRestart = false; // the uninstaller goes when the system restarts
    bool folderRemoved = false;
    bool folderAtRestart = false;
};

// True when the folder holds the installation files rather than an
// installation: the uninstaller ships beside install.exe, and an installation
// never has the installer or the shipped "+data.dat" in its folder.
bool isDistributionFolder(InstallFiles& files, const std::string& folder);

// Deletes the listed files from `folder` (never anything else), schedules the
// running uninstaller `selfPath` for removal at restart, then removes the
// folder if nothing else is left in it.
UninstallResult removeInstalledFiles(InstallFiles& files, const std::string& folder,
                                     const std::string& selfPath, bool keepData);

// Removes the "Zembrafind" group and the program's "Startup" item; true when
// the shell answered.
bool removeStartMenuEntries(DdeChannel& channel);

std::string uninstallReport(const TextTable& texts, const std::string& folder,
                            const UninstallResult& result);

// The whole run: confirm, ask about the data file, remove, report. The
// uninstaller's folder is the folder of its own path; the folder of the
// installation files is refused without a question, and nothing is removed
// from it or from the Start menu.
void runUninstall(InstallFiles& files, DdeChannel& channel, UninstallUi& ui, const TextTable& texts,
                  const std::string& selfPath);
