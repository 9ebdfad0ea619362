// The document's text taken from the clipboard: a Unicode program's copy
// converted by the program, any other copy's CF_TEXT as it is.
#include "reading/DocumentText.h"

#include "../vocab/FakeCodePages.h"
#include "FakeClipboard.h"

#include <gtest/gtest.h>

namespace {

std::string unicode(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes + std::string(2, '\0');
}

struct CopyCase {
    const char* name;
    std::vector<std::pair<uint32_t, std::string>> content;
    std::string text;
};

TEST(DocumentText, TheFormGivenFirstIsTheOneRead) {
    const uint32_t ansi = FakeClipboard::kText, wide = FakeClipboard::kUnicodeText;
    // What the system makes of "café" with a Cyrillic keyboard layout active.
    const std::string madeByLayout = "caf?";
    const std::vector<CopyCase> cases = {
        {"a Unicode program's copy",
         {{wide, unicode(u"caf\u00E9 na\u00EFve")}, {ansi, madeByLayout + '\0'}},
         "caf\xE9 na\xEFve"},
        {"an ANSI program's copy",
         {{ansi, std::string("caf\xE9\0", 5)}, {wide, unicode(u"caf\u0439")}},
         "caf\xE9"},
        {"Unicode alone, past its NUL", {{wide, unicode(u"one") + unicode(u"two")}}, "one"},
        {"ANSI alone, past its NUL", {{ansi, std::string("one\0two", 7)}}, "one"},
        {"a lost character", {{wide, unicode(u"\u03A9 caf\u00E9")}}, "? caf\xE9"},
        {"other formats first",
         {{2, "bitmap"}, {wide, unicode(u"na\u00EFve")}, {ansi, "x"}},
         "na\xEFve"},
        {"no text", {{2, "bitmap"}}, ""},
    };
    for (const CopyCase& copy : cases) {
        FakeClipboard clipboard;
        clipboard.put(copy.content);
        EXPECT_EQ(DocumentTextOf(clipboard, FakeCodePages()), copy.text) << copy.name;
    }
}

} // namespace
