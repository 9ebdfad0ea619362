// Keyword lines on the system clipboard, dropped files, the report's texts.
#include "ui/KeywordExchange.h"

#include "reading/win32/Win32Clipboard.h"
#include "toolkit/LoadText.h"
#include "vocab/MemoryRoom.h"
#include "vocab/datafile/win32/Win32FileSystem.h"

#include <cstring>

namespace {

ClipboardIdentity clipboardIdentity() {
    ClipboardIdentity identity;
    DWORD sequence = 0;
    identity.hasSequence = ClipboardSequenceNumber(sequence);
    identity.sequence = sequence;
    identity.owner = reinterpret_cast<uintptr_t>(GetClipboardOwner());
    return identity;
}

// The clipboard's CF_TEXT up to its terminating NUL; empty when it has none.
std::string clipboardText(HWND owner) {
    Win32Clipboard clipboard(owner);
    std::string bytes;
    if (!clipboard.open())
        return bytes;
    clipboard.read(CF_TEXT, bytes);
    clipboard.close();
    return bytes.substr(0, std::strlen(bytes.c_str()));
}

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

// The bytes of a clipboard text up to its terminating NUL (a NUL unit of
// `unit` bytes), which the block's rounded size may run past.
std::string upToNul(const char* data, size_t size, size_t unit) {
    size_t length = 0;
    while (length + unit <= size && std::memcmp(data + length, "\0\0", unit) != 0)
        length += unit;
    return std::string(data, length);
}

} // namespace

bool putKeywordLines(HWND owner, const std::string& lines, ClipboardCopyMark& mark,
                     const CodePages& codePages) {
    std::u16string wide;
    bool unicode = systemIsNt() && codePages.toUtf16(lines, codePages.ansiCodePage(), wide);
    Win32Clipboard clipboard(owner);
    if (!clipboard.open())
        return false;
    clipboard.empty();
    clipboard.write(CF_TEXT, lines + '\0');
    clipboard.write(CF_LOCALE, ansiLocale());
    if (unicode) {
        wide += u'\0';
        clipboard.write(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(wide.data()),
                                                    wide.size() * sizeof(char16_t)));
    }
    clipboard.close();
    mark.remember(clipboardIdentity(), lines);
    return true;
}

bool clipboardHoldsOtherText(HWND owner, const ClipboardCopyMark& mark) {
    return (IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT)) &&
           !mark.holdsOwnCopy(clipboardIdentity(), [owner] { return clipboardText(owner); });
}

// The size is checked before any byte is copied: the text of another
// program may be larger than the import takes or the memory holds.
bool Win32ClipboardText::read(size_t maxBytes, ClipboardText& text, ImportRefusal& refusal) {
    refusal = ImportRefusal::Unreadable;
    Win32Clipboard clipboard(owner_);
    if (!clipboard.open())
        return false;
    text.unicode = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
    HANDLE data = GetClipboardData(text.unicode ? CF_UNICODETEXT : CF_TEXT);
    SIZE_T size = data ? GlobalSize(data) : 0;
    const char* memory = nullptr;
    if (size > maxBytes + sizeof(char16_t))
        refusal = ImportRefusal::TooLarge;
    else if (size > 0 && !roomFor(size))
        refusal = ImportRefusal::NoRoom;
    else if (size > 0)
        memory = static_cast<const char*>(GlobalLock(data));
    if (memory) {
        text.bytes = upToNul(memory, size, text.unicode ? sizeof(char16_t) : 1);
        GlobalUnlock(data);
        std::string locale;
        if (!text.unicode && IsClipboardFormatAvailable(CF_LOCALE) &&
            clipboard.read(CF_LOCALE, locale) && locale.size() >= sizeof(LCID))
            std::memcpy(&text.locale, locale.data(), sizeof(LCID));
    }
    clipboard.close();
    return memory != nullptr;
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
