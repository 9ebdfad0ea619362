// Keyword text in every encoding: files by their marks and bytes, the
// clipboard's Unicode and ANSI forms with their locale, and the import's
// limits, each read into the ANSI code page (1252 here) or counted as left out.
#include "tests/Fixtures.h"
#include "ui/logic/KeywordImport.h"
#include "vocab/MatchMode.h"

#include "../vocab/FakeCodePages.h"
#include "PageTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_view_literals;
using Lines = RowPairs;

int leftOut(const LineTally& tally) {
    return tally.unconvertible + tally.withNul + tally.withoutText;
}

// UTF-16 bytes in either order, without a mark.
std::string utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes;
    for (char16_t unit : text) {
        char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

const std::string kLe = "\xFF\xFE";
const std::string kBe = "\xFE\xFF";
const std::string kUtf8 = "\xEF\xBB\xBF";
const std::string kCafe = "caf\xE9";   // in code page 1252
const std::string kNaive = "na\xEFve"; // in code page 1252

struct FileCase {
    const char* name;
    std::string bytes;
    Lines added;
    int leftOut;
};

TEST(KeywordEncoding, FilesAreReadByTheirMarksAndBytes) {
    const std::u16string list = u"caf\u00E9\tExact phrase\r\nna\u00EFve\r\n";
    const std::string longAnsi(600, '\xE9');
    const std::vector<FileCase> cases = {
        {"UTF-16 LE mark", kLe + utf16(list), {{kCafe, ExactPhrase}, {kNaive, AnyWord}}, 0},
        {"UTF-16 BE mark", kBe + utf16(list, true), {{kCafe, ExactPhrase}, {kNaive, AnyWord}}, 0},
        {"UTF-16 outside the code page",
         kLe + utf16(u"\u03A9 omega\r\nwren"),
         {{"wren", AnyWord}},
         1},
        {"UTF-8 mark",
         kUtf8 + "caf\xC3\xA9\tExact phrase\nna\xC3\xAFve",
         {{kCafe, ExactPhrase}, {kNaive, AnyWord}},
         0},
        {"UTF-8, no mark, not ASCII",
         "caf\xC3\xA9\r\n\xE2\x82\xAC\r\n\xCE\xA9",
         {{kCafe, AnyWord}, {"\x80", AnyWord}},
         1},
        {"UTF-8, no mark, ASCII only", "wren\tAll words\r\n", {{"wren", AllWords}}, 0},
        {"invalid UTF-8 is ANSI",
         "caf\xE9\ncaf\xC3\xA9",
         {{kCafe, AnyWord}, {"caf\xC3\xA9", AnyWord}},
         0},
        {"UTF-16, odd length", kLe + utf16(u"ab\r\ncd") + "e", {{"ab", AnyWord}}, 1},
        {"UTF-16, half unit after a break", kLe + utf16(u"ab\r\n") + "e", {{"ab", AnyWord}}, 1},
        {"lone surrogate",
         kLe + utf16(u"ok\r\n\xD800x\r\ny\xDC00\r\nfine"),
         {{"ok", AnyWord}, {"fine", AnyWord}},
         2},
        {"surrogate pair outside the code page",
         kLe + utf16(u"\U0001F600\r\nok"),
         {{"ok", AnyWord}},
         1},
        {"CR only", "a\rb\tAll words\rc", {{"a", AnyWord}, {"b", AllWords}, {"c", AnyWord}}, 0},
        {"CR LF", "a\r\n\r\nb\r\n", {{"a", AnyWord}, {"b", AnyWord}}, 0},
        {"LF", "a\nb\n", {{"a", AnyWord}, {"b", AnyWord}}, 0},
        {"UTF-16 CR only", kLe + utf16(u"a\rb"), {{"a", AnyWord}, {"b", AnyWord}}, 0},
        {"600 characters", std::string(600, 'k'), {{std::string(600, 'k'), AnyWord}}, 0},
        {"600 characters of UTF-16",
         kLe + utf16(std::u16string(600, u'\u00E9')),
         {{longAnsi, AnyWord}},
         0},
        {"empty file", "", {}, 0},
        {"only a mark", kLe, {}, 0},
    };
    for (const FileCase& file : cases) {
        std::vector<KeywordRow> lines;
        LineTally tally;
        EXPECT_TRUE(readKeywordFile(file.bytes, FakeCodePages(), lines, tally)) << file.name;
        EXPECT_EQ(pairs(lines), file.added) << file.name;
        EXPECT_EQ(leftOut(tally), file.leftOut) << file.name;
    }
}

TEST(KeywordEncoding, BinaryFilesAreRefusedWhateverTheirMark) {
    std::vector<KeywordRow> lines;
    LineTally tally;
    for (const std::string& bytes :
         {std::string("ab\0cd", 5), utf16(u"no mark"), kLe + utf16(std::u16string(u"x\0y", 3)),
          kUtf8 + std::string("\0", 1)})
        EXPECT_FALSE(readKeywordFile(bytes, FakeCodePages(), lines, tally));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(detectTextEncoding(kBe + "x").encoding, TextEncoding::Utf16Be);
    EXPECT_EQ(detectTextEncoding(kBe + "x").markBytes, 2u);
    EXPECT_EQ(detectTextEncoding(kUtf8).markBytes, 3u);
    EXPECT_EQ(detectTextEncoding("caf\xC3\xA9").markBytes, 0u);
}

// The clipboard as another program left it.
class FakeClipboardText : public ClipboardTextSource {
public:
    ClipboardText text;
    bool present = true;
    size_t offered = 0; // the most the import would take

    bool read(size_t maxBytes, ClipboardText& taken, ImportRefusal& refusal) override {
        offered = maxBytes;
        refusal = present ? ImportRefusal::TooLarge : ImportRefusal::Unreadable;
        if (!present || text.bytes.size() > maxBytes)
            return false;
        taken = text;
        return true;
    }
};

ClipboardText ansiText(std::string bytes, uint32_t locale = 0) {
    return {false, std::move(bytes), locale};
}

ClipboardText unicodeText(std::u16string_view text) {
    return {true, utf16(text), 0};
}

struct PasteCase {
    const char* name;
    ClipboardText text;
    uint32_t ansiCodePage;
    Lines added;
    int leftOut;
};

TEST(KeywordEncoding, PastedTextIsConvertedFromItsOwnEncoding) {
    const uint32_t western = FakeCodePages::kWestern, cyrillic = FakeCodePages::kCyrillic;
    const uint32_t english = FakeCodePages::kEnglishUs, russian = FakeCodePages::kRussian;
    const std::vector<PasteCase> cases = {
        {"Unicode",
         unicodeText(u"caf\u00E9\r\n\u03A9\r\nna\u00EFve"),
         western,
         {{kCafe, AnyWord}, {kNaive, AnyWord}},
         1},
        {"Unicode into 1251", unicodeText(u"\u0439\u00E9\r\nok"), cyrillic, {{"ok", AnyWord}}, 1},
        {"ANSI without a locale",
         ansiText("caf\xE9\r\n\xC0", 0),
         western,
         {{kCafe, AnyWord}, {"\xC0", AnyWord}},
         0},
        {"ANSI of the program's own locale",
         ansiText("\xC0\tAll words", english),
         western,
         {{"\xC0", AllWords}},
         0},
        {"ANSI of a Cyrillic locale",
         ansiText("abc\r\n\xC0\xC1", russian),
         western,
         {{"abc", AnyWord}},
         1},
        {"ANSI of a Cyrillic locale into 1251",
         ansiText("\xC0\xC1", russian),
         cyrillic,
         {{"\xC0\xC1", AnyWord}},
         0},
        {"ANSI of a Western locale into 1251",
         ansiText("caf\xE9\r\n\xC0", english),
         cyrillic,
         {},
         2},
        {"ANSI of an unknown locale", ansiText("caf\xE9", 0x7777), western, {{kCafe, AnyWord}}, 0},
    };
    for (const PasteCase& paste : cases) {
        FakeClipboardText clipboard;
        clipboard.text = paste.text;
        KeywordImport import;
        import.addClipboard(clipboard, FakeCodePages(paste.ansiCodePage));
        EXPECT_EQ(pairs(import.lines), paste.added) << paste.name;
        EXPECT_EQ(leftOut(import.tally), paste.leftOut) << paste.name;
        EXPECT_TRUE(import.refused.empty()) << paste.name;
    }
}

TEST(KeywordEncoding, AUnicodeLineLeftOutIsReported) {
    FakeClipboardText clipboard;
    clipboard.text = unicodeText(u"\u03A9 omega\r\nalpha\r\n");
    KeywordImport import;
    import.addClipboard(clipboard, FakeCodePages());
    EXPECT_EQ(import.report("Greek", PageTexts()),
              "Added 1 keyword to \"Greek\".\r\n\r\nSkipped:\r\n"
              "  1 line with characters this system cannot show\r\n");
}

// A text file that the fake hands out, remembering what the import allowed.
class SizedFiles : public TextFiles {
public:
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<size_t> offered;

    bool read(const std::string& path, size_t maxBytes, std::string& bytes,
              ImportRefusal& refusal) override {
        offered.push_back(maxBytes);
        for (const auto& file : files)
            if (file.first == path) {
                refusal = ImportRefusal::TooLarge;
                if (file.second.size() > maxBytes)
                    return false;
                bytes = file.second;
                return true;
            }
        refusal = ImportRefusal::Unreadable;
        return false;
    }
};

std::string manyLines(size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += "k" + std::to_string(i) + "\n";
    return text;
}

TEST(KeywordEncoding, OneImportTakesLimitedBytesAndLinesForAllItsFiles) {
    const size_t half = KeywordImport::kMaxBytes / 2;
    SizedFiles files;
    files.files = {{"a", std::string(half, 'a')},
                   {"bigger", std::string(half + 1, 'b')},
                   {"b", std::string(half, 'b')},
                   {"c", "c"}};
    KeywordImport import;
    import.addFiles({"a", "bigger", "b", "c"}, files, FakeCodePages());
    // Every file is measured against what the files before it left.
    EXPECT_EQ(files.offered, (std::vector<size_t>{2 * half, half, half, 0}));
    EXPECT_EQ(import.lines.size(), 2u);
    ASSERT_EQ(import.refused.size(), 2u);
    EXPECT_EQ(import.refused[0].path, "bigger");
    EXPECT_EQ(import.refused[1].path, "c");
    EXPECT_EQ(import.refused[1].reason, ImportRefusal::TooLarge);

    SizedFiles counted;
    counted.files = {
        {"most", manyLines(KeywordImport::kMaxLines - 1)}, {"two", "x\ny\n"}, {"one", "z\n"}};
    KeywordImport lines;
    lines.addFiles({"most", "two", "one"}, counted, FakeCodePages());
    EXPECT_EQ(lines.lines.size(), KeywordImport::kMaxLines);
    EXPECT_EQ(lines.lines.back().text, "z");
    ASSERT_EQ(lines.refused.size(), 1u);
    EXPECT_EQ(lines.refused[0].path, "two");
    EXPECT_EQ(lines.report("Big", PageTexts()),
              "Added 100000 keywords to \"Big\".\r\n\r\nSkipped:\r\n"
              "  \"two\": more than the 100000 lines one import takes\r\n");
}

TEST(KeywordEncoding, AClipboardTextBeyondTheLimitsIsRefusedWhole) {
    FakeClipboardText tooLong;
    tooLong.text = ansiText(std::string(KeywordImport::kMaxBytes + 1, 'x'));
    KeywordImport bytes;
    bytes.addClipboard(tooLong, FakeCodePages());
    EXPECT_EQ(tooLong.offered, KeywordImport::kMaxBytes);
    EXPECT_TRUE(bytes.lines.empty());

    FakeClipboardText many;
    many.text = ansiText(manyLines(KeywordImport::kMaxLines + 1));
    KeywordImport lines;
    lines.addClipboard(many, FakeCodePages());
    EXPECT_TRUE(lines.lines.empty());
    PageTexts texts;
    EXPECT_EQ(bytes.report("Big", texts),
              "No keywords were added to \"Big\".\r\n\r\nSkipped:\r\n"
              "  The clipboard's text: more than the 16 MB one import takes\r\n");
    EXPECT_EQ(lines.report("Big", texts),
              "No keywords were added to \"Big\".\r\n\r\nSkipped:\r\n"
              "  The clipboard's text: more than the 100000 lines one import takes\r\n");
}

TEST(KeywordEncoding, TheReportNamesEveryKindOfLineLeftOutInItsNumber) {
    FakeClipboardText clipboard;
    clipboard.text = unicodeText(u"\u03A9\n\u03A9\na\0b\n\tAll words\nkite\tfast"sv);
    KeywordImport import;
    import.addClipboard(clipboard, FakeCodePages());
    EXPECT_EQ(import.report("Birds", PageTexts()),
              "Added 1 keyword to \"Birds\".\r\n\r\nSkipped:\r\n"
              "  2 lines with characters this system cannot show\r\n"
              "  1 line holding a NUL character\r\n"
              "  1 line without a keyword before the tab\r\n\r\n"
              "Added as \"Any word\":\r\n"
              "  1 line whose text after the tab is not a match mode\r\n");
}

} // namespace
