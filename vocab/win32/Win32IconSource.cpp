// Win32IconSource: icons through shell32.
#include "vocab/win32/Win32IconSource.h"

#include <windows.h>

#include <shellapi.h>

IconHandle Win32IconSource::shellIcon(const std::string& path) {
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON)) {
        return nullptr;
    }
    return info.hIcon;
}

IconHandle Win32IconSource::extractIcon(const std::string& file, int index) {
    // ExtractIconA takes -1 as "count the icons" and answers the count.
    if (index < 0) {
        return nullptr;
    }
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
    // ExtractIconA answers 1, not a handle, for a file that holds no icons.
    if (icon == reinterpret_cast<HICON>(1)) {
        return nullptr;
    }
    return icon;
}
