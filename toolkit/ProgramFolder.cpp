// The program folder from the module's own file name.
#include "toolkit/ProgramFolder.h"

#include <windows.h>

#include <shellapi.h>

std::string programFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    // From the last character back to the second: a backslash at position 0
    // would leave no folder worth the name.
    size_t cut = folder.find_last_of('\\');
    if (cut == std::string::npos || cut == 0)
        return {};
    return folder.substr(0, cut + 1);
}

bool OpenProgramFolderPage(const char* fileName) {
    std::string folder = programFolder();
    if (folder.empty())
        return false;
    std::string path = folder + fileName;
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW));
    return result > 32;
}
