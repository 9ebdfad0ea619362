// Keyword lines: the text form in which the Keywords page exchanges entries
// with other programs through the system clipboard and text files. One line
// per entry: the entry text, a tab, the match mode's display name, CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct KeywordLine {
    std::string text;
    int32_t mode;
};

// What reading lines left out or changed; blank lines are not counted.
struct LineTally {
    int unconvertible = 0; // not representable in the system's code page
    int withNul = 0;       // a NUL byte, which no entry text may hold
    int withoutText = 0;   // nothing but blanks before the tab
    int unknownMode = 0;   // text after the tab that is no mode name: "Any word"

    bool anySkipped() const { return unconvertible + withNul + withoutText > 0; }
};

// The mode whose display name `name` is, letter case ignored; -1 for none.
int32_t matchModeFromName(std::string_view name);

// The lines for these entries. A tab or line break inside an entry text
// would split it when read back, so each becomes a space here.
std::string writeKeywordLines(const std::vector<std::string>& texts,
                              const std::vector<uint16_t>& modes);

// Appends one entry per non-blank line of ANSI text (CR LF, LF or CR ends a
// line): the text before the first tab, without leading and trailing
// blanks, and the mode named after it ("Any word" without one).
void readKeywordLines(std::string_view text, std::vector<KeywordLine>& lines, LineTally& tally);

// The system's ANSI code page, for text that arrives as UTF-16.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // False when some character has no exact equivalent in the code page.
    virtual bool fromUtf16(const std::u16string& wide, std::string& ansi) const = 0;
};

// UTF-8 to UTF-16; false for bytes that are not well-formed UTF-8.
bool utf8ToUtf16(std::string_view utf8, std::u16string& wide);

enum class TextFileKind {
    Ansi,
    Utf8, // began with the UTF-8 byte-order mark
    NotText,
};

// A file holding a NUL byte in its first 4 KB is taken for a binary file.
TextFileKind textFileKind(std::string_view bytes);

// Reads a text file's lines as readKeywordLines does; the lines of a UTF-8
// file are converted to the code page, and one that cannot be is counted.
// False, with nothing read, for a file that is not text.
bool readKeywordFile(std::string_view bytes, const AnsiCodePage& codePage,
                     std::vector<KeywordLine>& lines, LineTally& tally);
