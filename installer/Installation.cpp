// The installation proper (see Installation.h).
#include "installer/Installation.h"

#include "installer/InstallFileList.h"
#include "installer/ProgmanCommands.h"
#include "resources/InstallIds.h"

namespace {

void reportCopyFailure(ProgressView& view, const TextTable& texts, const std::string& source) {
    view.reportError(texts.text(IDS_CANNOT_COPY_FILE, source));
    view.setWaitCursor(false);
    view.repaint();
    view.reportError(texts.text(IDS_INSTALLATION_FAILED));
}

} // namespace

bool copyInstallFiles(InstallFiles& files, ProgressView& view, const TextTable& texts,
                      const std::string& sourceFolder, const std::string& destinationPath) {
    int position = 0;
    for (const char* entry : kInstallFileList) {
        const FileCopy copy = planFileCopy(entry, sourceFolder, destinationPath);
        view.showCopy(copy.source, copy.destination, position++);
        view.setWaitCursor(true);
        if (!files.copyFile(copy.source, copy.destination, copy.keepExisting) &&
            !copy.keepExisting) {
            reportCopyFailure(view, texts, copy.source);
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

void makeStartMenuGroup(DdeChannel& channel, ProgressView& view, const TextTable& texts,
                        const std::string& folder, bool addToStartup) {
    if (!channel.initialize())
        return;
    if (channel.connect()) {
        createGroups(channel, folder, addToStartup);
        channel.disconnect();
        view.showStatus(texts.text(IDS_GROUP_ADDED));
    } else {
        view.showStatus(texts.text(IDS_GROUP_FAILED));
    }
    channel.uninitialize();
}

bool runInstallation(InstallFiles& files, ProgressView& view, DdeChannel& channel,
                     const TextTable& texts, const std::string& sourceFolder,
                     const std::string& destinationPath, bool addToStartup) {
    if (!copyInstallFiles(files, view, texts, sourceFolder, destinationPath))
        return false;
    view.showStatus(texts.text(IDS_CREATING_GROUP));
    makeStartMenuGroup(channel, view, texts, destinationPath, addToStartup);
    return true;
}
