// KeywordImport: gathering entries from clipboard text and dropped files,
// and the account of what was left out.
#include "ui/logic/KeywordImport.h"

namespace {

std::string lineCount(int count, const char* what) {
    return "  " + std::to_string(count) + (count == 1 ? " line " : " lines ") + what + "\r\n";
}

const char* refusalText(FileRefusal reason) {
    switch (reason) {
    case FileRefusal::NotText:
        return "not a text file";
    case FileRefusal::Folder:
        return "a folder, not a file";
    case FileRefusal::TooLarge:
        return "larger than 16 MB";
    case FileRefusal::Unreadable:
        break;
    }
    return "cannot be read";
}

} // namespace

void KeywordImport::addText(std::string_view ansiText) {
    readKeywordLines(ansiText, lines, tally);
}

void KeywordImport::addFiles(const std::vector<std::string>& paths, TextFiles& files,
                             const AnsiCodePage& codePage) {
    std::string bytes;
    for (const std::string& path : paths) {
        FileRefusal reason = FileRefusal::Unreadable;
        if (!files.read(path, kMaxFileBytes, bytes, reason))
            refused.push_back({path, reason});
        else if (!readKeywordFile(bytes, codePage, lines, tally))
            refused.push_back({path, FileRefusal::NotText});
    }
}

std::string KeywordImport::report(const std::string& vocabularyName) const {
    if (!tally.anySkipped() && tally.unknownMode == 0 && refused.empty())
        return {};
    std::string text = lines.empty()
                           ? std::string("No keywords were added to \"")
                           : "Added " + std::to_string(lines.size()) +
                                 (lines.size() == 1 ? " keyword" : " keywords") + " to \"";
    text += vocabularyName + "\".\r\n";
    if (tally.anySkipped() || !refused.empty()) {
        text += "\r\nSkipped:\r\n";
        if (tally.unconvertible)
            text += lineCount(tally.unconvertible, "with characters this system cannot show");
        if (tally.withNul)
            text += lineCount(tally.withNul, "holding a NUL character");
        if (tally.withoutText)
            text += lineCount(tally.withoutText, "without a keyword before the tab");
        for (const Refused& file : refused)
            text += "  \"" + file.path + "\": " + refusalText(file.reason) + "\r\n";
    }
    if (tally.unknownMode) {
        text += "\r\nAdded as \"Any word\":\r\n";
        text += lineCount(tally.unknownMode, "whose text after the tab is not a match mode");
    }
    return text;
}
