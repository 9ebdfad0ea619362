// Keyword lines on the system clipboard, dropped files, the report's texts.
#include "ui/KeywordExchange.h"

#include "clipboard/ClipboardFormats.h"
#include "clipboard/win32/Win32Clipboard.h"
#include "toolkit/LoadText.h"
#include "vocab/MemoryRoom.h"
#include "vocab/datafile/win32/Win32FileSystem.h"

#include <cstring>

namespace {

// The NT family converts between the text forms by the clipboard's
// locale; Windows 95 and 98 offer no CF_UNICODETEXT to convert to.
bool systemIsNt() {
    return (GetVersion() & 0x80000000u) == 0;
}

// The locale whose ANSI code page the program's texts are in: the system's
// own (the user's may differ, and the keyboard layout's does on purpose).
std::string ansiLocale() {
    LCID locale = GetSystemDefaultLCID();
    return std::string(reinterpret_cast<const char*>(&locale), sizeof locale);
}

} // namespace

// The mark is taken once the clipboard is closed again: the system may
// number the new content only then.
bool putKeywordLines(HWND owner, const std::string& lines, ClipboardMark& mark,
                     const CodePages& codePages) {
    std::u16string wide;
    bool unicode = systemIsNt() && codePages.toUtf16(lines, codePages.ansiCodePage(), wide);
    Win32Clipboard clipboard(owner);
    {
        ClipboardSession session(clipboard);
        if (!session)
            return false;
        clipboard.empty();
        clipboard.write(CF_TEXT, lines + '\0');
        clipboard.write(CF_LOCALE, ansiLocale());
        if (unicode) {
            wide += u'\0';
            clipboard.write(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(wide.data()),
                                                        wide.size() * sizeof(char16_t)));
        }
    }
    mark.remember(clipboard.identity(), lines);
    return true;
}

bool clipboardHoldsOtherText(HWND owner, const ClipboardMark& mark) {
    Win32Clipboard clipboard(owner);
    return (clipboard.offers(CF_TEXT) || clipboard.offers(CF_UNICODETEXT)) &&
           !mark.stillHolds(clipboard);
}

// The size is checked before any byte is copied: the text of another
// program may be larger than the import takes or the memory holds.
bool Win32ClipboardText::read(size_t maxBytes, ClipboardText& text, ImportRefusal& refusal) {
    refusal = ImportRefusal::Unreadable;
    Win32Clipboard clipboard(owner_);
    ClipboardSession session(clipboard);
    if (!session)
        return false;
    text.unicode = clipboard.offers(CF_UNICODETEXT);
    const UINT format = text.unicode ? CF_UNICODETEXT : CF_TEXT;
    size_t size = clipboard.sizeOf(format);
    if (size > maxBytes + sizeof(char16_t)) {
        refusal = ImportRefusal::TooLarge;
        return false;
    }
    if (size > 0 && !roomFor(size)) {
        refusal = ImportRefusal::NoRoom;
        return false;
    }
    if (size == 0 || !clipboard.read(format, text.bytes))
        return false;
    text.bytes.resize(ClipboardTextLength(text.bytes, text.unicode ? sizeof(char16_t) : 1));
    std::string locale;
    if (!text.unicode && clipboard.offers(CF_LOCALE) && clipboard.read(CF_LOCALE, locale) &&
        locale.size() >= sizeof(LCID))
        std::memcpy(&text.locale, locale.data(), sizeof(LCID));
    return true;
}

std::vector<std::string> takeDroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<char> path(DragQueryFileA(drop, i, nullptr, 0) + 1);
        DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()));
        paths.emplace_back(path.data());
    }
    DragFinish(drop);
    return paths;
}

bool Win32TextFiles::read(const std::string& path, size_t maxBytes, std::string& bytes,
                          ImportRefusal& refusal) {
    switch (readWholeFile(path, maxBytes, bytes)) {
    case WholeFileRead::Read:
        return true;
    case WholeFileRead::Folder:
        refusal = ImportRefusal::Folder;
        return false;
    case WholeFileRead::TooLarge:
        refusal = ImportRefusal::TooLarge;
        return false;
    case WholeFileRead::NoRoom:
        refusal = ImportRefusal::NoRoom;
        return false;
    case WholeFileRead::Unreadable:
        break;
    }
    refusal = ImportRefusal::Unreadable;
    return false;
}

std::string ResourceImportTexts::text(unsigned id) const {
    return loadText(id);
}
