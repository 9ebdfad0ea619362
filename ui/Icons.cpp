// Icon lookups and picture controls for the pages and dialogs.
#include "ui/Icons.h"

#include "vocab/Vocabulary.h"
#include "vocab/win32/Win32IconSource.h"

#include <shellapi.h>

Icon vocabularyIcon(const Vocabulary& vocabulary) {
    Win32IconSource icons;
    Icon icon(static_cast<HICON>(vocabulary.icon(icons)));
    if (icon)
        return icon;
    // LoadImage without LR_SHARED gives a copy of our own to destroy.
    return Icon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "VOCAB_PLACEHOLDER", IMAGE_ICON, 32, 32, 0)));
}

Icon extractFileIcon(const std::string& file, int index) {
    return Icon(static_cast<HICON>(Win32IconSource().extractIcon(file, index)));
}

int fileIconCount(const std::string& file) {
    auto count =
        reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), -1));
    return static_cast<int>(count);
}

void Picture::show(Icon icon) {
    SendMessageA(control_, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);
}
