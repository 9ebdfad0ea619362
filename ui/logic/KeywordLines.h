// Keyword lines: the text form in which the Keywords page exchanges entries
// with other programs through the system clipboard and text files. One line
// per entry: the entry text, a tab, the match mode's display name, CR LF.
#pragma once

#include "ui/logic/KeywordRow.h"
#include "vocab/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What reading lines left out or changed; blank lines are not counted.
struct LineTally {
    int unconvertible = 0; // not in the system's code page, or broken in its encoding
    int withNul = 0;       // a NUL byte, which no entry text may hold
    int withoutText = 0;   // nothing but blanks before the tab
    int unknownMode = 0;   // text after the tab that is no mode name: "Any word"

    // Entries beyond `room` in the list are not added, only counted in
    // `beyondRoom`: an import past its limit is refused without holding it.
    size_t room = SIZE_MAX;
    int beyondRoom = 0;

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
void readKeywordLines(std::string_view text, std::vector<KeywordRow>& lines, LineTally& tally);

// Appends one entry per non-blank line of UTF-16 text (CR LF, LF or CR ends
// a line), read as readKeywordLines does once converted to the ANSI code
// page. A line with a character the code page lacks, or with half a
// surrogate pair, is left out and counted as unconvertible.
void readUnicodeKeywordLines(std::u16string_view text, const CodePages& codePages,
                             std::vector<KeywordRow>& lines, LineTally& tally);

// Reads a text file's lines in the encoding detectTextEncoding finds. In a
// UTF-8 file each line is decoded alone, so that a broken sequence costs
// only its line. False, with nothing read, for a file that is not text.
bool readKeywordFile(std::string_view bytes, const CodePages& codePages,
                     std::vector<KeywordRow>& lines, LineTally& tally);
