// Keyword lines to and from other programs: the line format, UTF-8 files,
// dropped files with what they leave out, and the own-copy mark.
#include "ui/logic/KeywordLines.h"
#include "ui/logic/KeywordImport.h"

#include "tests/Fixtures.h"
#include "vocab/MatchMode.h"

#include "../vocab/FakeCodePages.h"
#include "PageTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Lines = RowPairs;

Lines read(std::string_view text, LineTally& tally) {
    std::vector<KeywordRow> lines;
    readKeywordLines(text, lines, tally);
    return pairs(lines);
}

// Code page 1252 stands in for the system's.
using Latin1 = FakeCodePages;

// Text another program put on the clipboard as CF_TEXT, without a locale.
class AnsiClipboard : public ClipboardTextSource {
public:
    explicit AnsiClipboard(std::string text) : text_(std::move(text)) {}
    bool read(size_t, ClipboardText& text, ImportRefusal&) override {
        text = {false, text_, 0};
        return true;
    }

private:
    std::string text_;
};

void addText(KeywordImport& import, std::string text) {
    AnsiClipboard clipboard(std::move(text));
    import.addClipboard(clipboard, Latin1());
}

class FakeFiles : public TextFiles {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, ImportRefusal> failing;
    std::vector<std::string> asked;

    bool read(const std::string& path, size_t maxBytes, std::string& bytes,
              ImportRefusal& refusal) override {
        asked.push_back(path);
        refusal = ImportRefusal::Unreadable;
        if (failing.count(path)) {
            refusal = failing[path];
            return false;
        }
        if (!files.count(path))
            return false;
        if (files[path].size() > maxBytes) {
            refusal = ImportRefusal::TooLarge;
            return false;
        }
        bytes = files[path];
        return true;
    }
};

TEST(KeywordLines, WrittenLinesReadBackWithTheirModes) {
    std::string text =
        writeKeywordLines({"grey heron", "barn\towl", "wren"}, {ExactPhrase, AllWords, AnyWord});
    EXPECT_EQ(text, "grey heron\tExact phrase\r\nbarn owl\tAll words\r\nwren\tAny word\r\n");
    LineTally tally;
    EXPECT_EQ(read(text, tally),
              (Lines{{"grey heron", ExactPhrase}, {"barn owl", AllWords}, {"wren", AnyWord}}));
    EXPECT_FALSE(tally.anySkipped());
    EXPECT_EQ(tally.unknownMode, 0);
}

TEST(KeywordLines, LinesFromOtherProgramsAreTrimmedAndNamedModesIgnoreCase) {
    LineTally tally;
    EXPECT_EQ(read("alpha\r\nbeta gamma\tExact phrase\r\n\r\n", tally),
              (Lines{{"alpha", AnyWord}, {"beta gamma", ExactPhrase}}));
    EXPECT_EQ(read("  one  \t  ALL WORDS \nTwo\texact PHRASE\rthree\t\r\n", tally),
              (Lines{{"one", AllWords}, {"Two", ExactPhrase}, {"three", AnyWord}}));
    // Inside the text nothing changes: inner blanks, letter case, control characters.
    EXPECT_EQ(read("Rain  Bow\x07\x1b", tally), (Lines{{"Rain  Bow\x07\x1b", AnyWord}}));
    EXPECT_FALSE(tally.anySkipped());
    EXPECT_EQ(tally.unknownMode, 0);
}

TEST(KeywordLines, BadLinesAreCountedAndTheRestRead) {
    LineTally tally;
    EXPECT_EQ(read("", tally), Lines{});
    EXPECT_EQ(read(" \r\n\t\r\n\n\n", tally), Lines{});
    EXPECT_FALSE(tally.anySkipped());

    std::string nul("a\0b\nc", 5);
    EXPECT_EQ(read(nul, tally), (Lines{{"c", AnyWord}}));
    EXPECT_EQ(read("\tExact phrase\n   \tAny word\nkept\tsomething else\nx\tAny word\tnote", tally),
              (Lines{{"kept", AnyWord}, {"x", AnyWord}}));
    EXPECT_EQ(tally.withNul, 1);
    EXPECT_EQ(tally.withoutText, 2);
    EXPECT_EQ(tally.unknownMode, 2);

    std::string longLine(100000, 'k');
    EXPECT_EQ(read(longLine + "\r\n" + longLine, tally),
              (Lines{{longLine, AnyWord}, {longLine, AnyWord}}));
}

TEST(KeywordLines, Utf8IsDecodedOnlyWhenWellFormed) {
    std::u16string wide;
    EXPECT_TRUE(utf8ToUtf16("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", wide));
    EXPECT_EQ(wide, u"caf\u00E9 \u20AC \U0001F600");
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\x80", "\xC3\x28"})
        EXPECT_FALSE(utf8ToUtf16(bad, wide)) << bad;
}

TEST(KeywordLines, FilesAreAnsiUtf8WithItsMarkOrRefused) {
    Latin1 latin1;
    std::vector<KeywordRow> lines;
    LineTally tally;
    EXPECT_TRUE(readKeywordFile("\xEF\xBB\xBF"
                                "caf\xC3\xA9\tAll words\r\n\xCE\xA9 mega\r\n"
                                "bad \xC3\r\nok",
                                latin1, lines, tally));
    EXPECT_EQ(pairs(lines), (Lines{{"caf\xE9", AllWords}, {"ok", AnyWord}}));
    EXPECT_EQ(tally.unconvertible, 2);

    // Without the mark, bytes that are not UTF-8 are the code page's, as they come.
    lines.clear();
    EXPECT_TRUE(readKeywordFile("caf\xE9 \xC3\xA9", latin1, lines, tally));
    EXPECT_EQ(pairs(lines), (Lines{{"caf\xE9 \xC3\xA9", AnyWord}}));

    std::string binary = "text" + std::string(1, '\0') + "more";
    EXPECT_EQ(detectTextEncoding(binary).encoding, TextEncoding::NotText);
    EXPECT_FALSE(readKeywordFile(binary, latin1, lines, tally));
    // A NUL beyond the first 4 KB only costs its line.
    std::string late = std::string(5000, 'x') + "\n" + std::string("y\0z", 3) + "\nlast";
    lines.clear();
    tally = {};
    EXPECT_TRUE(readKeywordFile(late, latin1, lines, tally));
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(tally.withNul, 1);
}

TEST(KeywordImport, DroppedFilesAreReadInOrderAndRefusalsNamed) {
    FakeFiles files;
    files.files["C:\\a.txt"] = "one\r\ntwo\tAll words\r\n";
    files.files["C:\\b.txt"] = "\xEF\xBB\xBF"
                               "three\r\n\xCE\xA9\r\n";
    files.files["C:\\photo.jpg"] = std::string("\xFF\xD8\0\0", 4);
    files.failing["C:\\docs"] = ImportRefusal::Folder;
    KeywordImport import;
    import.addFiles({"C:\\b.txt", "C:\\gone.txt", "C:\\a.txt", "C:\\docs", "C:\\photo.jpg"}, files,
                    Latin1());
    EXPECT_EQ(files.asked, (std::vector<std::string>{"C:\\b.txt", "C:\\gone.txt", "C:\\a.txt",
                                                     "C:\\docs", "C:\\photo.jpg"}));
    EXPECT_EQ(pairs(import.lines),
              (Lines{{"three", AnyWord}, {"one", AnyWord}, {"two", AllWords}}));
    EXPECT_EQ(import.report("Birds", PageTexts()),
              "Added 3 keywords to \"Birds\".\r\n\r\nSkipped:\r\n"
              "  1 line with characters this system cannot show\r\n"
              "  \"C:\\gone.txt\": cannot be read\r\n"
              "  \"C:\\docs\": a folder, not a file\r\n"
              "  \"C:\\photo.jpg\": not a text file\r\n");
}

TEST(KeywordImport, AMessageOnlyWhenSomethingWasLeftOutOrReadDifferently) {
    PageTexts texts;
    KeywordImport clean;
    addText(clean, "alpha\r\nbeta\tExact phrase\r\n\r\n");
    EXPECT_EQ(clean.lines.size(), 2u);
    EXPECT_EQ(clean.report("Birds", texts), "");
    // Nothing to add at all says so, in one line.
    KeywordImport blank;
    addText(blank, " \r\n\r\n");
    EXPECT_EQ(blank.report("Birds", texts),
              "No keywords were added to \"Birds\": there was no text, or only blank lines.");

    KeywordImport odd;
    addText(odd, "\tAny word\nfinch\tbird");
    EXPECT_EQ(odd.report("Birds", texts),
              "Added 1 keyword to \"Birds\".\r\n\r\nSkipped:\r\n"
              "  1 line without a keyword before the tab\r\n\r\n"
              "Added as \"Any word\":\r\n"
              "  1 line whose text after the tab is not a match mode\r\n");

    FakeFiles files;
    files.files["C:\\huge.txt"] = std::string(KeywordImport::kMaxBytes + 1, 'x');
    KeywordImport none;
    none.addFiles({"C:\\huge.txt"}, files, Latin1());
    EXPECT_EQ(none.report("Birds", texts),
              "No keywords were added to \"Birds\".\r\n\r\nSkipped:\r\n"
              "  \"C:\\huge.txt\": more than the 16 MB one import takes\r\n");
}

} // namespace
