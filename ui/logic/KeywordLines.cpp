// Keyword lines: writing entries as text lines and reading them back from
// clipboard text and text files.
#include "ui/logic/KeywordLines.h"

#include "vocab/MatchMode.h"
#include "vocab/Text.h"

namespace {

constexpr size_t kNotTextProbe = 4096;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

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
template <class Take> void forEachLine(std::string_view text, Take take) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        take(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
}

void readOneLine(std::string_view line, std::vector<KeywordLine>& lines, LineTally& tally) {
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
    lines.push_back({std::string(text), mode});
}

// The number of bytes of the UTF-8 sequence that `lead` begins; 0 when no
// sequence begins with it.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
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

void readKeywordLines(std::string_view text, std::vector<KeywordLine>& lines, LineTally& tally) {
    forEachLine(text, [&](std::string_view line) { readOneLine(line, lines, tally); });
}

bool utf8ToUtf16(std::string_view utf8, std::u16string& wide) {
    wide.clear();
    size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int length = sequenceLength(lead);
        if (length == 0 || i + length > utf8.size())
            return false;
        uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        static const uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (code >> 10));
            wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<char16_t>(code);
        }
        i += length;
    }
    return true;
}

TextFileKind textFileKind(std::string_view bytes) {
    if (bytes.substr(0, kNotTextProbe).find('\0') != std::string_view::npos)
        return TextFileKind::NotText;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        return TextFileKind::Utf8;
    return TextFileKind::Ansi;
}

bool readKeywordFile(std::string_view bytes, const AnsiCodePage& codePage,
                     std::vector<KeywordLine>& lines, LineTally& tally) {
    switch (textFileKind(bytes)) {
    case TextFileKind::NotText:
        return false;
    case TextFileKind::Ansi:
        readKeywordLines(bytes, lines, tally);
        return true;
    case TextFileKind::Utf8:
        break;
    }
    std::u16string wide;
    std::string ansi;
    forEachLine(bytes.substr(kUtf8Mark.size()), [&](std::string_view line) {
        if (line.find('\0') != std::string_view::npos)
            ++tally.withNul;
        else if (!utf8ToUtf16(line, wide) || !codePage.fromUtf16(wide, ansi))
            ++tally.unconvertible;
        else
            readOneLine(ansi, lines, tally);
    });
    return true;
}
