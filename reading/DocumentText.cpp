// DocumentText: choosing the clipboard's text form and converting it.
#include "reading/DocumentText.h"

#include "clipboard/ClipboardFormats.h"
#include "vocab/MemoryRoom.h"

#include <cstring>

namespace {

bool unicodeComesFirst(const std::vector<uint32_t>& formats) {
    for (uint32_t format : formats) {
        if (format == kClipboardUnicodeText)
            return true;
        if (format == kClipboardText)
            return false;
    }
    return false;
}

// CF_UNICODETEXT converted; false when it cannot be had or held.
bool convertedUnicode(ClipboardAccess& clipboard, const CodePages& codePages, std::string& text) {
    std::string bytes;
    if (!clipboard.read(kClipboardUnicodeText, bytes))
        return false;
    const size_t units = ClipboardTextLength(bytes, sizeof(char16_t)) / sizeof(char16_t);
    // A UTF-16 copy, the converted text and the conversion's check of it,
    // each two bytes a character at most.
    if (!roomFor(6 * units))
        return false;
    std::u16string wide(units, u'\0');
    std::memcpy(&wide[0], bytes.data(), units * sizeof(char16_t));
    codePages.toAnsi(wide, text);
    return true;
}

} // namespace

std::string DocumentTextOf(ClipboardAccess& clipboard, const CodePages& codePages) {
    std::string text;
    if (!unicodeComesFirst(clipboard.formats()) || !convertedUnicode(clipboard, codePages, text)) {
        text.clear();
        if (clipboard.read(kClipboardText, text))
            text.resize(ClipboardTextLength(text, 1));
    }
    // The read copies the text once more for the search, which separates
    // its words into a third copy: a text the memory cannot hold thrice is
    // not taken (the read then finds nothing) rather than ending the program.
    if (!roomFor(2 * text.size()))
        text.clear();
    return text;
}
