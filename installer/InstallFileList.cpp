// The installer's file list and the plan of each copy (see InstallFileList.h).
#include "installer/InstallFileList.h"

#include "installer/PathRules.h"

bool isKeepExisting(const std::string& entry) {
    return !entry.empty() && entry[0] == kKeepExistingMarker;
}

std::string destinationName(const std::string& entry) {
    return isKeepExisting(entry) ? entry.substr(1) : entry;
}

FileCopy planFileCopy(const std::string& entry, const std::string& sourceFolder,
                      const std::string& destinationPath) {
    FileCopy copy;
    copy.keepExisting = isKeepExisting(entry);
    copy.source = upperCase(joinPath(sourceFolder, entry));
    copy.destination = upperCase(joinPath(destinationPath, destinationName(entry)));
    return copy;
}
