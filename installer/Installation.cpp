// The installation proper (see Installation.h).
#include "installer/Installation.h"

#include "installer/InstallFileList.h"
#include "installer/InstallMessages.h"
#include "installer/ProgmanCommands.h"

namespace {

// The format with its one "%s" filled in.
std::string fillFormat(const char* format, const std::string& value) {
    std::string text = format;
    const std::size_t at = text.find("%s");
    return at == std::string::npos ? text : text.replace(at, 2, value);
}

void reportCopyFailure(ProgressView& view, const std::string& source) {
    view.reportError(fillFormat(msg::kCannotCopyFormat, source));
    view.setWaitCursor(false);
    view.repaint();
    view.reportError(msg::kInstallationFailed);
}

} // namespace

bool copyInstallFiles(InstallFiles& files, ProgressView& view, const std::string& sourceFolder,
                      const std::string& destinationPath) {
    int position = 0;
    for (const char* entry : kInstallFileList) {
        const FileCopy copy = planFileCopy(entry, sourceFolder, destinationPath);
        view.showCopy(copy.source, copy.destination, position++);
        view.setWaitCursor(true);
        if (!files.copyFile(copy.source, copy.destination, copy.keepExisting) &&
            !copy.keepExisting) {
            reportCopyFailure(view, copy.source);
            return false;
        }
        view.setWaitCursor(false);
    }
    return true;
}

void createGroups(DdeChannel& channel, const std::string& folder, bool addToStartup) {
    for (const std::string& command : groupCommands(folder, addToStartup))
        channel.execute(command);
}

void makeStartMenuGroup(DdeChannel& channel, ProgressView& view, const std::string& folder,
                        bool addToStartup) {
    if (!channel.initialize())
        return;
    if (channel.connect()) {
        createGroups(channel, folder, addToStartup);
        channel.disconnect();
        view.showStatus(msg::kGroupAdded);
    } else {
        view.showStatus(msg::kGroupFailed);
    }
    channel.uninitialize();
}

bool runInstallation(InstallFiles& files, ProgressView& view, DdeChannel& channel,
                     const std::string& sourceFolder, const std::string& destinationPath,
                     bool addToStartup) {
    if (!copyInstallFiles(files, view, sourceFolder, destinationPath))
        return false;
    view.showStatus(msg::kCreatingGroup);
    makeStartMenuGroup(channel, view, destinationPath, addToStartup);
    return true;
}
