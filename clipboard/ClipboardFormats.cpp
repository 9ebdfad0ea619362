// How each clipboard format's data is held.
#include "clipboard/ClipboardFormats.h"

#include <cstring>

size_t ClipboardTextLength(const std::string& bytes, size_t unit) {
    size_t length = 0;
    while (length + unit <= bytes.size() && std::memcmp(&bytes[length], "\0\0", unit) != 0)
        length += unit;
    return length;
}

ClipboardData ClipboardDataOf(uint32_t format) {
    switch (format) {
    case kClipboardText:
    case kClipboardSylk:
    case kClipboardDif:
    case kClipboardTiff:
    case kClipboardOemText:
    case kClipboardDib:
    case kClipboardPenData:
    case kClipboardRiff:
    case kClipboardWave:
    case kClipboardUnicodeText:
    case kClipboardHdrop:
    case kClipboardLocale:
    case kClipboardDibV5:
    case kClipboardDisplayText:
        return ClipboardData::Memory;
    case kClipboardBitmap:
    case kClipboardDisplayBitmap:
        return ClipboardData::Bitmap;
    case kClipboardMetafilePicture:
    case kClipboardDisplayMetafilePicture:
        return ClipboardData::MetafilePicture;
    case kClipboardPalette:
        return ClipboardData::Palette;
    case kClipboardEnhancedMetafile:
    case kClipboardDisplayEnhancedMetafile:
        return ClipboardData::EnhancedMetafile;
    default:
        return format >= kClipboardFirstRegistered && format <= kClipboardLastRegistered
                   ? ClipboardData::Memory
                   : ClipboardData::NotKept;
    }
}
