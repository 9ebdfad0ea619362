// Win32VocabPlatform: icons through shell32, titles and message boxes
// through user32.
#include "vocab/win32/Win32VocabPlatform.h"

#include <shellapi.h>

IconHandle Win32VocabPlatform::shellIcon(const std::string& path) {
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON)) {
        return nullptr;
    }
    return info.hIcon;
}

IconHandle Win32VocabPlatform::extractIcon(const std::string& file, int index) {
    // ExtractIconA takes -1 as "count the icons" and answers the count.
    if (index < 0) {
        return nullptr;
    }
    HICON icon = ExtractIconA(instance_, file.c_str(), static_cast<UINT>(index));
    // ExtractIconA answers 1, not a handle, for a file that holds no icons.
    if (icon == reinterpret_cast<HICON>(1)) {
        return nullptr;
    }
    return icon;
}

std::string Win32VocabPlatform::windowTitle(WindowHandle window) {
    const HWND handle = static_cast<HWND>(window);
    const int length = GetWindowTextLengthA(handle);
    if (length <= 0) {
        return {};
    }
    // The length may overstate (it can count DBCS bytes twice); the copy
    // tells the real size.
    std::string title(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(handle, &title[0], length + 1);
    title.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return title;
}

void Win32VocabPlatform::reportError(const char* text) {
    MessageBoxA(nullptr, text, "Zembrafind", MB_OK | MB_ICONSTOP);
}
