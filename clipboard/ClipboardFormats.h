// The clipboard's standard formats by number, and how the data of each is
// held, and so how it is copied out and put back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The standard formats (the system's CF_ numbers) that the platform-free code
// names.
constexpr uint32_t kClipboardText = 1;
constexpr uint32_t kClipboardBitmap = 2;
constexpr uint32_t kClipboardMetafilePicture = 3;
constexpr uint32_t kClipboardSylk = 4;
constexpr uint32_t kClipboardDif = 5;
constexpr uint32_t kClipboardTiff = 6;
constexpr uint32_t kClipboardOemText = 7;
constexpr uint32_t kClipboardDib = 8;
constexpr uint32_t kClipboardPalette = 9;
constexpr uint32_t kClipboardPenData = 10;
constexpr uint32_t kClipboardRiff = 11;
constexpr uint32_t kClipboardWave = 12;
constexpr uint32_t kClipboardUnicodeText = 13;
constexpr uint32_t kClipboardEnhancedMetafile = 14;
constexpr uint32_t kClipboardHdrop = 15;
constexpr uint32_t kClipboardLocale = 16;
constexpr uint32_t kClipboardDibV5 = 17;
constexpr uint32_t kClipboardDisplayText = 0x81;
constexpr uint32_t kClipboardDisplayBitmap = 0x82;
constexpr uint32_t kClipboardDisplayMetafilePicture = 0x83;
constexpr uint32_t kClipboardDisplayEnhancedMetafile = 0x8E;
constexpr uint32_t kClipboardFirstRegistered = 0xC000;
constexpr uint32_t kClipboardLastRegistered = 0xFFFF;

// The length in bytes of a clipboard text up to its terminating NUL, a NUL
// unit of `unit` bytes (1 for CF_TEXT, 2 for CF_UNICODETEXT): the system
// rounds the text's block up, so bytes may follow the NUL.
size_t ClipboardTextLength(const std::string& bytes, size_t unit);

// The flat forms: Memory the block's bytes; EnhancedMetafile the metafile's
// bits; MetafilePicture the picture's mapping mode, width and height (three
// 32-bit numbers) and the metafile's bits; Palette a LOGPALETTE; Bitmap a
// BITMAP header (without its pointer) and the bitmap's bits.
enum class ClipboardData { Memory, EnhancedMetafile, MetafilePicture, Palette, Bitmap, NotKept };

// Text, device-independent bitmaps, dropped-file lists, sound, every
// registered format and the drawings held by GDI handles are kept. Not kept:
// owner display (the owner paints it on request and is gone once the
// clipboard is emptied), the private range (only the owner knows what the
// handle is) and the private GDI-object range (the system deletes the object,
// whose kind only the owner knows).
ClipboardData ClipboardDataOf(uint32_t format);
