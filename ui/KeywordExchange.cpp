// Keyword lines on the system clipboard, dropped files and the code page.
#include "ui/KeywordExchange.h"

#include "reading/win32/Win32Clipboard.h"
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

} // namespace

bool putKeywordLines(HWND owner, const std::string& lines, ClipboardCopyMark& mark) {
    Win32Clipboard clipboard(owner);
    if (!clipboard.open())
        return false;
    clipboard.empty();
    clipboard.write(CF_TEXT, lines + '\0');
    clipboard.close();
    mark.remember(clipboardIdentity(), lines);
    return true;
}

bool clipboardHoldsOtherText(HWND owner, const ClipboardCopyMark& mark) {
    return IsClipboardFormatAvailable(CF_TEXT) &&
           !mark.holdsOwnCopy(clipboardIdentity(), [owner] { return clipboardText(owner); });
}

bool takeOtherClipboardText(HWND owner, const ClipboardCopyMark& mark, std::string& text) {
    if (!IsClipboardFormatAvailable(CF_TEXT))
        return false;
    text = clipboardText(owner);
    return !mark.holdsOwnCopy(clipboardIdentity(), [&text] { return text; });
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
                          FileRefusal& refusal) {
    switch (readWholeFile(path, maxBytes, bytes)) {
    case WholeFileRead::Read:
        return true;
    case WholeFileRead::Folder:
        refusal = FileRefusal::Folder;
        return false;
    case WholeFileRead::TooLarge:
        refusal = FileRefusal::TooLarge;
        return false;
    case WholeFileRead::Unreadable:
        break;
    }
    refusal = FileRefusal::Unreadable;
    return false;
}

// WideCharToMultiByte replaces what the code page lacks, with a default
// character or a look-alike letter (best fit), and only the first says so on
// every system: converting back and comparing catches both.
bool Win32AnsiCodePage::fromUtf16(const std::u16string& wide, std::string& ansi) const {
    ansi.clear();
    if (wide.empty())
        return true;
    auto source = reinterpret_cast<const wchar_t*>(wide.data());
    int length = static_cast<int>(wide.size());
    int size = WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return false;
    ansi.resize(size);
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, 0, source, length, &ansi[0], size, nullptr, &usedDefault);
    if (usedDefault)
        return false;
    std::wstring back(length + 1, L'\0');
    int backLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, &back[0], length + 1);
    return backLength == length && std::memcmp(back.data(), source, length * sizeof(wchar_t)) == 0;
}
