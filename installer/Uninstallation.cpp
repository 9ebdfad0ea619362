// The uninstaller's logic (see Uninstallation.h).
#include "installer/Uninstallation.h"

#include "installer/InstallFileList.h"
#include "installer/PathRules.h"
#include "installer/ProgmanCommands.h"
#include "installer/UninstallMessages.h"

namespace {

const char kDataFile[] = "DATA.DAT";
const char kInstaller[] = "INSTALL.EXE";

void removeFolder(InstallFiles& files, const std::string& folder, UninstallResult& result) {
    // A folder that is any program's current directory cannot be removed.
    files.setCurrentDirectory(folderOf(folder));
    result.folderRemoved = files.removeDirectory(folder);
    const bool onlySelfLeft = result.selfAtRestart && result.notRemoved.empty() && !result.keptData;
    if (!result.folderRemoved && onlySelfLeft)
        result.folderAtRestart = files.removeAtRestart(folder);
}

} // namespace

bool isDistributionFolder(InstallFiles& files, const std::string& folder) {
    if (files.fileExists(joinPath(folder, kInstaller)))
        return true;
    for (const char* entry : kInstallFileList) {
        if (isKeepExisting(entry) && files.fileExists(joinPath(folder, entry)))
            return true;
    }
    return false;
}

UninstallResult removeInstalledFiles(InstallFiles& files, const std::string& folder,
                                     const std::string& selfPath, bool keepData) {
    UninstallResult result;
    const std::string self = upperCase(selfPath);
    for (const char* entry : kInstallFileList) {
        const std::string name = upperCase(destinationName(entry));
        const std::string path = joinPath(folder, name);
        if (!files.fileExists(path))
            continue;
        if (name == kDataFile && keepData)
            result.keptData = true;
        else if (upperCase(path) == self)
            result.selfAtRestart = files.removeAtRestart(selfPath);
        else if (files.deleteFile(path))
            ++result.removedFiles;
        else
            result.notRemoved.push_back(name);
    }
    removeFolder(files, folder, result);
    return result;
}

bool removeStartMenuEntries(DdeChannel& channel) {
    if (!channel.initialize())
        return false;
    const bool connected = channel.connect();
    if (connected) {
        for (const std::string& command : removalCommands())
            channel.execute(command);
        channel.disconnect();
    }
    channel.uninitialize();
    return connected;
}

std::string uninstallReport(const std::string& folder, const UninstallResult& result) {
    std::string text = umsg::kRemovedFrom + folder + ".\n\n";
    text += std::to_string(result.removedFiles) + umsg::kFilesDeleted;
    if (result.keptData)
        text += umsg::kDataKept;
    if (!result.notRemoved.empty()) {
        text += umsg::kNotRemoved;
        for (const std::string& name : result.notRemoved)
            text += "  " + name + "\n";
    }
    text += result.groupRemoved ? umsg::kGroupRemoved : umsg::kGroupNotRemoved;
    if (result.folderAtRestart)
        text += umsg::kSelfAndFolderAtRestart;
    else if (result.selfAtRestart)
        text += umsg::kSelfAtRestart;
    return text;
}

void runUninstall(InstallFiles& files, DdeChannel& channel, UninstallUi& ui,
                  const std::string& selfPath) {
    const std::string folder = folderOf(selfPath);
    if (isDistributionFolder(files, folder)) {
        ui.refuse(umsg::kDistributionFolderStart + folder + umsg::kDistributionFolderEnd);
        return;
    }
    if (!ui.confirmRemoval(umsg::kConfirmFormatStart + folder + umsg::kConfirmFormatEnd))
        return;
    const bool keepData = ui.askKeepData(umsg::kKeepData);
    const bool groupRemoved = removeStartMenuEntries(channel);
    UninstallResult result = removeInstalledFiles(files, folder, selfPath, keepData);
    result.groupRemoved = groupRemoved;
    ui.report(uninstallReport(folder, result));
}
