// KeywordImport: gathering entries from clipboard text and dropped files,
// within the import's limits, and the account of what was left out.
#include "ui/logic/KeywordImport.h"

#include "resources/PageIds.h"
#include "vocab/MemoryRoom.h"

namespace {

// The text with "%1" replaced by `first` and "%2" by `second`.
std::string fill(std::string text, const std::string& first, const std::string& second = {}) {
    size_t at = text.find('%');
    while (at != std::string::npos && at + 1 < text.size()) {
        char which = text[at + 1];
        if (which == '1' || which == '2') {
            const std::string& value = which == '1' ? first : second;
            text.replace(at, 2, value);
            at += value.size();
        } else {
            ++at;
        }
        at = text.find('%', at);
    }
    return text;
}

// "  1 line ..." or "  n lines ..." with its line break; nothing for none.
std::string lineCount(int count, unsigned oneId, unsigned manyId, const ImportTexts& texts) {
    if (count == 0)
        return {};
    std::string text =
        count == 1 ? texts.text(oneId) : fill(texts.text(manyId), std::to_string(count));
    return "  " + text + "\r\n";
}

unsigned refusalId(ImportRefusal reason) {
    switch (reason) {
    case ImportRefusal::NotText:
        return IDS_REFUSED_NOT_TEXT;
    case ImportRefusal::Folder:
        return IDS_REFUSED_FOLDER;
    case ImportRefusal::TooLarge:
        return IDS_REFUSED_TOO_LARGE;
    case ImportRefusal::TooManyLines:
        return IDS_REFUSED_TOO_MANY_LINES;
    case ImportRefusal::NoRoom:
        return IDS_REFUSED_NO_ROOM;
    case ImportRefusal::Unreadable:
        break;
    }
    return IDS_REFUSED_UNREADABLE;
}

// Decoding UTF-16 or another code page holds the text twice more at most
// (two bytes a character, then the converted line).
constexpr size_t kDecodingCopies = 3;

} // namespace

LineTally KeywordImport::roomLeft() const {
    LineTally counted;
    counted.room = kMaxLines - lines.size();
    return counted;
}

bool KeywordImport::keep(const std::string& path, std::vector<KeywordRow>& taken,
                         const LineTally& counted) {
    if (counted.beyondRoom > 0) {
        refused.push_back({path, ImportRefusal::TooManyLines});
        return false;
    }
    lines.insert(lines.end(), std::make_move_iterator(taken.begin()),
                 std::make_move_iterator(taken.end()));
    tally.unconvertible += counted.unconvertible;
    tally.withNul += counted.withNul;
    tally.withoutText += counted.withoutText;
    tally.unknownMode += counted.unknownMode;
    return true;
}

void KeywordImport::addClipboard(ClipboardTextSource& clipboard, const CodePages& codePages) {
    ClipboardText text;
    ImportRefusal reason = ImportRefusal::Unreadable;
    if (!clipboard.read(kMaxBytes - bytesTaken_, text, reason)) {
        refused.push_back({{}, reason});
        return;
    }
    if (!roomFor(text.bytes.size() * kDecodingCopies)) {
        refused.push_back({{}, ImportRefusal::NoRoom});
        return;
    }
    std::vector<KeywordRow> taken;
    LineTally counted = roomLeft();
    std::u16string wide;
    uint32_t codePage = text.unicode ? 0 : codePages.codePageOfLocale(text.locale);
    if (text.unicode) {
        readUnicodeKeywordLines(utf16FromBytes(text.bytes, false), codePages, taken, counted);
    } else if (codePage != 0 && codePage != codePages.ansiCodePage() &&
               codePages.toUtf16(text.bytes, codePage, wide)) {
        readUnicodeKeywordLines(wide, codePages, taken, counted);
    } else {
        // Text of the program's own code page, or of one the system cannot
        // convert from: its bytes as they are, as before locales were read.
        readKeywordLines(text.bytes, taken, counted);
    }
    if (keep({}, taken, counted))
        bytesTaken_ += text.bytes.size();
}

void KeywordImport::addFiles(const std::vector<std::string>& paths, TextFiles& files,
                             const CodePages& codePages) {
    std::string bytes;
    for (const std::string& path : paths) {
        ImportRefusal reason = ImportRefusal::Unreadable;
        if (!files.read(path, kMaxBytes - bytesTaken_, bytes, reason)) {
            refused.push_back({path, reason});
            continue;
        }
        if (!roomFor(bytes.size() * kDecodingCopies)) {
            refused.push_back({path, ImportRefusal::NoRoom});
            continue;
        }
        std::vector<KeywordRow> taken;
        LineTally counted = roomLeft();
        if (!readKeywordFile(bytes, codePages, taken, counted)) {
            refused.push_back({path, ImportRefusal::NotText});
            continue;
        }
        if (keep(path, taken, counted))
            bytesTaken_ += bytes.size();
    }
}

std::string KeywordImport::report(const std::string& vocabularyName,
                                  const ImportTexts& texts) const {
    bool skipped = tally.anySkipped() || !refused.empty();
    if (!skipped && tally.unknownMode == 0)
        return lines.empty() ? fill(texts.text(IDS_IMPORT_NOTHING), {}, vocabularyName) : "";
    std::string count = std::to_string(lines.size());
    unsigned addedId = lines.empty()       ? IDS_IMPORT_ADDED_NONE
                       : lines.size() == 1 ? IDS_IMPORT_ADDED_ONE
                                           : IDS_IMPORT_ADDED;
    std::string text = fill(texts.text(addedId), count, vocabularyName) + "\r\n";
    if (skipped) {
        text += "\r\n" + texts.text(IDS_IMPORT_SKIPPED) + "\r\n";
        text += lineCount(tally.unconvertible, IDS_IMPORT_UNCONVERTIBLE_ONE,
                          IDS_IMPORT_UNCONVERTIBLE, texts);
        text += lineCount(tally.withNul, IDS_IMPORT_NUL_ONE, IDS_IMPORT_NUL, texts);
        text +=
            lineCount(tally.withoutText, IDS_IMPORT_NO_KEYWORD_ONE, IDS_IMPORT_NO_KEYWORD, texts);
        for (const Refused& source : refused) {
            unsigned id =
                source.path.empty() ? IDS_IMPORT_REFUSED_CLIPBOARD : IDS_IMPORT_REFUSED_FILE;
            text += "  " + fill(texts.text(id), source.path, texts.text(refusalId(source.reason))) +
                    "\r\n";
        }
    }
    if (tally.unknownMode) {
        text += "\r\n" + texts.text(IDS_IMPORT_AS_ANY_WORD) + "\r\n";
        text += lineCount(tally.unknownMode, IDS_IMPORT_UNKNOWN_MODE_ONE, IDS_IMPORT_UNKNOWN_MODE,
                          texts);
    }
    return text;
}
