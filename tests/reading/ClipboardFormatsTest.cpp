// Every standard clipboard format: which ones the keeper puts back after a
// read, and why the others cannot be kept.
#include "reading/ClipboardKeeper.h"

#include "FakeClipboard.h"

#include <gtest/gtest.h>

namespace {

// The system's standard formats with their numbers, registered ones and
// numbers around them.
// A reason marks a format that is deliberately not kept.
constexpr struct {
    uint32_t id;
    const char* name;
    const char* whyNotKept;
} kFormats[] = {
    {1, "CF_TEXT", nullptr},
    {2, "CF_BITMAP", "a GDI handle; the system makes it again from CF_DIB"},
    {3, "CF_METAFILEPICT", "its memory holds a metafile handle that emptying frees"},
    {4, "CF_SYLK", nullptr},
    {5, "CF_DIF", nullptr},
    {6, "CF_TIFF", nullptr},
    {7, "CF_OEMTEXT", nullptr},
    {8, "CF_DIB", nullptr},
    {9, "CF_PALETTE", "a GDI handle"},
    {10, "CF_PENDATA", nullptr},
    {11, "CF_RIFF", nullptr},
    {12, "CF_WAVE", nullptr},
    {13, "CF_UNICODETEXT", nullptr},
    {14, "CF_ENHMETAFILE", "a GDI handle"},
    {15, "CF_HDROP", nullptr},
    {16, "CF_LOCALE", nullptr},
    {17, "CF_DIBV5", nullptr},
    {0x80, "CF_OWNERDISPLAY", "no data: its owner paints it on request"},
    {0x81, "CF_DSPTEXT", nullptr},
    {0x82, "CF_DSPBITMAP", "a GDI handle"},
    {0x83, "CF_DSPMETAFILEPICT", "its memory holds a metafile handle that emptying frees"},
    {0x8E, "CF_DSPENHMETAFILE", "a GDI handle"},
    {0x200, "CF_PRIVATEFIRST", "only its owner knows what the handle is"},
    {0x2FF, "CF_PRIVATELAST", "only its owner knows what the handle is"},
    {0x300, "CF_GDIOBJFIRST", "a GDI handle"},
    {0x3FF, "CF_GDIOBJLAST", "a GDI handle"},
    {0xBFFF, "below the registered formats", "no such format"},
    {0xC100, "a registered format (Rich Text Format)", nullptr},
    {0xFFFF, "the last registered format", nullptr},
    {0x10000, "above the registered formats", "no such format"},
};

} // namespace

TEST(ClipboardKeeper, PutsBackEveryMemoryFormatAndNoHandleFormat) {
    FakeClipboard clipboard;
    std::vector<std::pair<uint32_t, std::string>> content;
    for (const auto& format : kFormats)
        content.emplace_back(format.id, format.name);
    clipboard.put(content);

    ClipboardKeeper keeper(clipboard);
    ASSERT_TRUE(keeper.saveAndEmpty());
    clipboard.put({{FakeClipboard::kText, "the document"}});
    keeper.noteCaptureLeft();
    ASSERT_TRUE(keeper.restore());

    for (const auto& format : kFormats) {
        const bool kept = format.whyNotKept == nullptr;
        SCOPED_TRACE(std::string(format.name) + (kept ? "" : ": ") +
                     (kept ? "" : format.whyNotKept));
        EXPECT_EQ(IsMemoryFormat(format.id), kept);
        std::string bytes;
        EXPECT_EQ(clipboard.read(format.id, bytes), kept);
        EXPECT_EQ(bytes, kept ? format.name : "");
    }
}
