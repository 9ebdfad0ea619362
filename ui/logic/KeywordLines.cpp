// Keyword lines: writing entries as text lines and reading them back from
// clipboard text and text files.
#include "ui/logic/KeywordLines.h"

#include "vocab/MatchMode.h"
#include "vocab/Text.h"

namespace {

// A NUL in the first 4 KB of a UTF-16 file (2048 units) marks a binary file,
// as a NUL byte does in the others.
constexpr size_t kNotTextUnits = 2048;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Calls `take` with every line of `text`, without its line break.
template <class Char, class Take> void forEachLine(std::basic_string_view<Char> text, Take take) {
    const Char breaks[] = {Char('\r'), Char('\n'), Char(0)};
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(breaks, start);
        if (end == std::basic_string_view<Char>::npos)
            end = text.size();
        take(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == Char('\r'))
            ++start;
        if (start < text.size() && text[start] == Char('\n'))
            ++start;
    }
}

void readOneLine(std::string_view line, std::vector<KeywordRow>& lines, LineTally& tally) {
    if (trimBlanks(line).empty())
        return;
    if (line.find('\0') != std::string_view::npos) {
        ++tally.withNul;
        return;
    }
    size_t tab = line.find('\t');
    std::string_view text = trimBlanks(line.substr(0, tab));
    if (text.empty()) {
        ++tally.withoutText;
        return;
    }
    int32_t mode = AnyWord;
    if (tab != std::string_view::npos) {
        std::string_view name = trimBlanks(line.substr(tab + 1));
        if (!name.empty()) {
            mode = matchModeFromName(name);
            if (mode < 0) {
                ++tally.unknownMode;
                mode = AnyWord;
            }
        }
    }
    if (lines.size() >= tally.room)
        ++tally.beyondRoom;
    else
        lines.push_back({std::string(text), mode});
}

// One line of UTF-16 text, converted to the code page and read.
void readUnicodeLine(std::u16string_view line, const CodePages& codePages,
                     std::vector<KeywordRow>& lines, LineTally& tally, std::string& ansi) {
    if (line.find(u'\0') != std::u16string_view::npos) {
        ++tally.withNul;
        return;
    }
    bool exact = codePages.toAnsi(line, ansi);
    if (trimBlanks(ansi).empty())
        return; // a blank line, not counted
    if (!exact || !surrogatesPaired(line))
        ++tally.unconvertible;
    else
        readOneLine(ansi, lines, tally);
}

} // namespace

int32_t matchModeFromName(std::string_view name) {
    std::string folded = foldText(name);
    for (int32_t mode = 0; mode < kMatchModeCount; ++mode)
        if (folded == foldText(matchModeText(mode)))
            return mode;
    return -1;
}

std::string writeKeywordLines(const std::vector<std::string>& texts,
                              const std::vector<uint16_t>& modes) {
    std::string result;
    for (size_t i = 0; i < texts.size() && i < modes.size(); ++i) {
        std::string text = texts[i];
        for (char& c : text)
            if (c == '\t' || c == '\r' || c == '\n')
                c = ' ';
        result += text;
        result += '\t';
        result += matchModeText(modes[i]);
        result += "\r\n";
    }
    return result;
}

void readKeywordLines(std::string_view text, std::vector<KeywordRow>& lines, LineTally& tally) {
    forEachLine(text, [&](std::string_view line) { readOneLine(line, lines, tally); });
}

void readUnicodeKeywordLines(std::u16string_view text, const CodePages& codePages,
                             std::vector<KeywordRow>& lines, LineTally& tally) {
    std::string ansi;
    forEachLine(text, [&](std::u16string_view line) {
        readUnicodeLine(line, codePages, lines, tally, ansi);
    });
}

bool readKeywordFile(std::string_view bytes, const CodePages& codePages,
                     std::vector<KeywordRow>& lines, LineTally& tally) {
    DetectedEncoding detected = detectTextEncoding(bytes);
    std::string_view text = bytes.substr(detected.markBytes);
    switch (detected.encoding) {
    case TextEncoding::NotText:
        return false;
    case TextEncoding::Ansi:
        readKeywordLines(text, lines, tally);
        return true;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        std::u16string wide = utf16FromBytes(text, detected.encoding == TextEncoding::Utf16Be);
        if (std::u16string_view(wide).substr(0, kNotTextUnits).find(u'\0') !=
            std::u16string_view::npos)
            return false;
        readUnicodeKeywordLines(wide, codePages, lines, tally);
        return true;
    }
    case TextEncoding::Utf8:
        break;
    }
    std::u16string wide;
    std::string ansi;
    forEachLine(text, [&](std::string_view line) {
        if (line.find('\0') != std::string_view::npos)
            ++tally.withNul;
        else if (!utf8ToUtf16(line, wide))
            ++tally.unconvertible;
        else
            readUnicodeLine(wide, codePages, lines, tally, ansi);
    });
    return true;
}
