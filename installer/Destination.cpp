// Destination folder checks (see Destination.h).
#include "installer/Destination.h"

#include "installer/InstallFileList.h"
#include "installer/PathRules.h"
#include "installer/ProgmanCommands.h"
#include "resources/InstallIds.h"

#include <cstring>

bool destinationFits(const std::string& folder) {
    if (!fitsCommandBuffer(groupCommands(folder, true)))
        return false;
    for (const char* entry : kInstallFileList) {
        if (joinPath(folder, destinationName(entry)).size() >= kMaxPath)
            return false;
    }
    return true;
}

bool hasBadCharacters(const std::string& folder) {
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(folder[i]);
        if (c < 32 || std::strchr("*?\"<>|", c) != nullptr)
            return true;
        if (c == ':' && i != 1)
            return true;
    }
    return false;
}

bool hasBadNameEnding(const std::string& folder) {
    std::size_t start = 0;
    while (start <= folder.size()) {
        std::size_t end = folder.find('\\', start);
        if (end == std::string::npos)
            end = folder.size();
        const std::string name = folder.substr(start, end - start);
        if (!name.empty() && name != "." && name != ".." &&
            (name.back() == ' ' || name.back() == '.'))
            return true;
        start = end + 1;
    }
    return false;
}

DestinationCheck prepareDestination(InstallFiles& files, const std::string& folderText,
                                    std::string& destinationPath) {
    destinationPath = stripTrailingBackslash(folderText);
    if (destinationPath.empty())
        return DestinationCheck::CannotCreate;
    if (hasBadCharacters(destinationPath))
        return DestinationCheck::BadCharacters;
    if (hasBadNameEnding(destinationPath))
        return DestinationCheck::BadEnding;
    if (!destinationFits(destinationPath))
        return DestinationCheck::TooLong;
    if (files.setCurrentDirectory(destinationPath) || files.createDirectory(destinationPath))
        return DestinationCheck::Ready;
    return DestinationCheck::CannotCreate;
}

unsigned destinationMessage(DestinationCheck check) {
    switch (check) {
    case DestinationCheck::Ready:
        return 0;
    case DestinationCheck::TooLong:
        return IDS_DESTINATION_TOO_LONG;
    case DestinationCheck::BadCharacters:
        return IDS_DESTINATION_BAD_CHARACTERS;
    case DestinationCheck::BadEnding:
        return IDS_DESTINATION_BAD_ENDING;
    case DestinationCheck::CannotCreate:
        break;
    }
    return IDS_CANNOT_CREATE_DIRECTORY;
}
