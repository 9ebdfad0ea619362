// File operations on Win32 (see Win32Files.h).
#include "installer/win32/Win32Files.h"

#include "installer/PathRules.h"
#include "installer/WininitRename.h"

#include <windows.h>

namespace {

bool isWindows9x() {
    return (GetVersion() & 0x80000000u) != 0;
}

// A whole small file as text; empty when it cannot be read.
std::string readText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text(
        GetFileSize(file, nullptr) == INVALID_FILE_SIZE ? 0 : GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!text.empty() && !ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr))
        read = 0;
    CloseHandle(file);
    text.resize(read);
    return text;
}

bool writeText(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    return CloseHandle(file) && ok;
}

// Windows 95/98: a "NUL=" line in WININIT.INI, with the short name because
// WININIT runs before long names are available.
bool removeAtRestart9x(const std::string& path) {
    char shortPath[kMaxPath] = {};
    char windows[kMaxPath] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        return false;
    const UINT folderLength = GetWindowsDirectoryA(windows, sizeof windows);
    if (folderLength == 0 || folderLength >= sizeof windows)
        return false;
    const std::string ini = joinPath(windows, "WININIT.INI");
    return writeText(ini, addWininitRemoval(readText(ini), shortPath));
}

} // namespace

bool Win32Files::setCurrentDirectory(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

bool Win32Files::createDirectory(const std::string& folder) {
    return CreateDirectoryA(folder.c_str(), nullptr) != FALSE;
}

bool Win32Files::copyFile(const std::string& source, const std::string& destination,
                          bool failIfExists) {
    return CopyFileA(source.c_str(), destination.c_str(), failIfExists) != FALSE;
}

bool Win32Files::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32Files::removeDirectory(const std::string& folder) {
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

bool Win32Files::removeAtRestart(const std::string& path) {
    if (!isWindows9x())
        return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return removeAtRestart9x(path);
}
