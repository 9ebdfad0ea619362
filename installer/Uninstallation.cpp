// The uninstaller's logic (see Uninstallation.h).
#include "installer/Uninstallation.h"

#include "installer/InstallFileList.h"
#include "installer/PathRules.h"
#include "installer/ProgmanCommands.h"
#include "resources/InstallIds.h"

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

std::string uninstallReport(const TextTable& texts, const std::string& folder,
                            const UninstallResult& result) {
    std::string text = texts.text(IDS_REMOVED_FROM, folder);
    text += texts.text(IDS_FILES_DELETED, std::to_string(result.removedFiles));
    if (result.keptData)
        text += texts.text(IDS_DATA_KEPT);
    if (!result.notRemoved.empty()) {
        text += texts.text(IDS_NOT_REMOVED);
        for (const std::string& name : result.notRemoved)
            text += "  " + name + "\n";
    }
    text += texts.text(result.groupRemoved ? IDS_GROUP_REMOVED : IDS_GROUP_NOT_REMOVED);
    if (result.folderAtRestart)
        text += texts.text(IDS_SELF_AND_FOLDER_AT_RESTART);
    else if (result.selfAtRestart)
        text += texts.text(IDS_SELF_AT_RESTART);
    return text;
}

void runUninstall(InstallFiles& files, DdeChannel& channel, UninstallUi& ui, const TextTable& texts,
                  const std::string& selfPath) {
    const std::string folder = folderOf(selfPath);
    if (isDistributionFolder(files, folder)) {
        ui.refuse(texts.text(IDS_DISTRIBUTION_FOLDER, folder));
        return;
    }
    if (!ui.confirmRemoval(texts.text(IDS_CONFIRM_REMOVAL, folder)))
        return;
    const bool keepData = ui.askKeepData(texts.text(IDS_KEEP_DATA));
    const bool groupRemoved = removeStartMenuEntries(channel);
    UninstallResult result = removeInstalledFiles(files, folder, selfPath, keepData);
    result.groupRemoved = groupRemoved;
    ui.report(uninstallReport(texts, folder, result));
}
