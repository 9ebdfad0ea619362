// SingleCopy: the mutex name of an installation and the first-copy rule.
#include "app/logic/SingleCopy.h"

#include "vocab/Text.h"

#include <cstdio>

bool HasGlobalNamespace(bool windowsNt, unsigned majorVersion) {
    return windowsNt && majorVersion >= 5;
}

uint32_t InstallationKey(std::string_view programFolder) {
    std::string folder = foldText(programFolder);
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    // FNV-1a: two installations on one machine differ in all but one case
    // of four thousand million.
    uint32_t hash = 2166136261u;
    for (unsigned char c : folder) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

// A mutex name may not hold a backslash other than the namespace's, and
// must stay short whatever the folder: the folder is named by its key.
std::string SingleCopyMutexName(std::string_view programFolder, bool globalNamespace) {
    char key[9] = {};
    std::snprintf(key, sizeof key, "%08lx",
                  static_cast<unsigned long>(InstallationKey(programFolder)));
    return std::string(globalNamespace ? "Global\\" : "") + "Zembrafind zfw32 " + key;
}

bool IsFirstCopy(bool gotHandle, uint32_t lastError) {
    if (gotHandle)
        return lastError != kErrorAlreadyExists;
    return lastError != kErrorAccessDenied;
}
