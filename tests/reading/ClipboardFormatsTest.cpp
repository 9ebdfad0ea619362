// Every standard clipboard format: which ones the keeper puts back after a
// read, in which form, and why the others cannot be kept.
#include "reading/ClipboardKeeper.h"

#include "FakeClipboard.h"
#include "clipboard/ClipboardFormats.h"

#include <gtest/gtest.h>

namespace {

using Data = ClipboardData;

// The system's standard formats with their numbers, registered ones and
// numbers around them. A reason marks a format that is deliberately not kept.
constexpr struct {
    uint32_t id;
    const char* name;
    Data data;
    const char* whyNotKept;
} kFormats[] = {
    {1, "CF_TEXT", Data::Memory, nullptr},
    {2, "CF_BITMAP", Data::Bitmap, "the system makes it again from CF_DIB"},
    {3, "CF_METAFILEPICT", Data::MetafilePicture, nullptr},
    {4, "CF_SYLK", Data::Memory, nullptr},
    {5, "CF_DIF", Data::Memory, nullptr},
    {6, "CF_TIFF", Data::Memory, nullptr},
    {7, "CF_OEMTEXT", Data::Memory, nullptr},
    {8, "CF_DIB", Data::Memory, nullptr},
    {9, "CF_PALETTE", Data::Palette, nullptr},
    {10, "CF_PENDATA", Data::Memory, nullptr},
    {11, "CF_RIFF", Data::Memory, nullptr},
    {12, "CF_WAVE", Data::Memory, nullptr},
    {13, "CF_UNICODETEXT", Data::Memory, nullptr},
    {14, "CF_ENHMETAFILE", Data::EnhancedMetafile, nullptr},
    {15, "CF_HDROP", Data::Memory, nullptr},
    {16, "CF_LOCALE", Data::Memory, nullptr},
    {17, "CF_DIBV5", Data::Memory, nullptr},
    {0x80, "CF_OWNERDISPLAY", Data::NotKept, "no data: its owner paints it on request"},
    {0x81, "CF_DSPTEXT", Data::Memory, nullptr},
    {0x82, "CF_DSPBITMAP", Data::Bitmap, nullptr},
    {0x83, "CF_DSPMETAFILEPICT", Data::MetafilePicture, nullptr},
    {0x8E, "CF_DSPENHMETAFILE", Data::EnhancedMetafile, nullptr},
    {0x200, "CF_PRIVATEFIRST", Data::NotKept, "only its owner knows what the handle is"},
    {0x2FF, "CF_PRIVATELAST", Data::NotKept, "only its owner knows what the handle is"},
    {0x300, "CF_GDIOBJFIRST", Data::NotKept, "a GDI object of a kind only its owner knows"},
    {0x3FF, "CF_GDIOBJLAST", Data::NotKept, "a GDI object of a kind only its owner knows"},
    {0xBFFF, "below the registered formats", Data::NotKept, "no such format"},
    {0xC100, "a registered format (Rich Text Format)", Data::Memory, nullptr},
    {0xFFFF, "the last registered format", Data::Memory, nullptr},
    {0x10000, "above the registered formats", Data::NotKept, "no such format"},
};

} // namespace

TEST(ClipboardKeeper, PutsBackEveryFormatThatCanBeKept) {
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
        EXPECT_EQ(ClipboardDataOf(format.id), format.data);
        std::string bytes;
        EXPECT_EQ(clipboard.read(format.id, bytes), kept);
        EXPECT_EQ(bytes, kept ? format.name : "");
    }
}

// The system converts between a bitmap and its device-independent forms; the
// bitmap itself is kept only where no such form could be saved.
TEST(ClipboardKeeper, KeepsABitmapOnlyWithoutADeviceIndependentForm) {
    const struct {
        const char* what;
        std::vector<uint32_t> formats;
        std::vector<uint32_t> unreadable;
        bool bitmapKept;
    } cases[] = {
        {"a bitmap alone", {FakeClipboard::kBitmap}, {}, true},
        {"with CF_DIB", {FakeClipboard::kBitmap, FakeClipboard::kDib}, {}, false},
        {"with CF_DIBV5", {FakeClipboard::kBitmap, FakeClipboard::kDibV5}, {}, false},
        {"CF_DIB listed but not convertible",
         {FakeClipboard::kBitmap, FakeClipboard::kDib},
         {FakeClipboard::kDib},
         true},
        {"a drawing beside it",
         {FakeClipboard::kEnhancedMetafile, FakeClipboard::kBitmap},
         {},
         true},
    };
    for (const auto& k : cases) {
        FakeClipboard clipboard;
        std::vector<std::pair<uint32_t, std::string>> content;
        for (uint32_t format : k.formats)
            content.emplace_back(format, "data " + std::to_string(format));
        clipboard.put(content);
        clipboard.unreadable = k.unreadable;
        ClipboardKeeper keeper(clipboard);
        ASSERT_TRUE(keeper.saveAndEmpty());
        clipboard.unreadable.clear();
        keeper.noteCaptureLeft();
        ASSERT_TRUE(keeper.restore());
        std::string bytes;
        EXPECT_EQ(clipboard.read(FakeClipboard::kBitmap, bytes), k.bitmapKept) << k.what;
        EXPECT_EQ(bytes, k.bitmapKept ? "data 2" : "") << k.what;
        for (uint32_t format : k.formats) {
            if (format != FakeClipboard::kBitmap) {
                EXPECT_EQ(clipboard.read(format, bytes), k.unreadable.empty()) << k.what;
            }
        }
    }
}
