// Metafiles, metafile pictures, palettes and bitmaps to flat bytes and back.
#include "clipboard/win32/ClipboardDrawings.h"

#include "clipboard/win32/LockedMemory.h"
#include "toolkit/Handles.h"

#include <cstddef>
#include <cstring>

namespace {

struct EnhancedMetafileTraits : NullIsEmpty<HENHMETAFILE> {
    static void close(HENHMETAFILE h) { DeleteEnhMetaFile(h); }
};
struct MetafileTraits : NullIsEmpty<HMETAFILE> {
    static void close(HMETAFILE h) { DeleteMetaFile(h); }
};
struct GdiObjectTraits : NullIsEmpty<HGDIOBJ> {
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
using EnhancedMetafile = Handle<EnhancedMetafileTraits>;
using Metafile = Handle<MetafileTraits>;
using GdiObject = Handle<GdiObjectTraits>;

// The picture's mapping mode and size ahead of the metafile's bits.
struct PictureHeader {
    int32_t mappingMode;
    int32_t width;
    int32_t height;
};

// The bitmap's rows as GetBitmapBits and CreateBitmapIndirect have them:
// each padded to a multiple of 16 bits.
size_t BitmapRowBytes(const BITMAP& bitmap) {
    return (static_cast<size_t>(bitmap.bmWidth) * bitmap.bmBitsPixel + 15) / 16 * 2;
}

size_t BitmapBitsSize(const BITMAP& bitmap) {
    return BitmapRowBytes(bitmap) * bitmap.bmHeight * bitmap.bmPlanes;
}

bool ReadEnhancedMetafile(HENHMETAFILE metafile, std::string& bytes) {
    UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0)
        return false;
    bytes.resize(size);
    return GetEnhMetaFileBits(metafile, size, reinterpret_cast<BYTE*>(&bytes[0])) == size;
}

bool ReadMetafilePicture(HGLOBAL memory, std::string& bytes) {
    LockedMemory locked(memory);
    const auto* picture = locked.as<const METAFILEPICT>();
    if (!picture)
        return false;
    PictureHeader header{picture->mm, picture->xExt, picture->yExt};
    HMETAFILE metafile = picture->hMF;
    UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    if (size == 0)
        return false;
    bytes.assign(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.resize(sizeof header + size);
    return GetMetaFileBitsEx(metafile, size, &bytes[sizeof header]) == size;
}

bool ReadPalette(HPALETTE palette, std::string& bytes) {
    UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
    if (count == 0)
        return false;
    bytes.assign(offsetof(LOGPALETTE, palPalEntry) + count * sizeof(PALETTEENTRY), '\0');
    auto* logical = reinterpret_cast<LOGPALETTE*>(&bytes[0]);
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(count);
    return GetPaletteEntries(palette, 0, count, logical->palPalEntry) == count;
}

bool ReadBitmap(HBITMAP handle, std::string& bytes) {
    BITMAP bitmap{};
    if (!GetObjectA(handle, sizeof bitmap, &bitmap) || bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0)
        return false;
    bitmap.bmWidthBytes = static_cast<LONG>(BitmapRowBytes(bitmap));
    bitmap.bmBits = nullptr;
    size_t size = BitmapBitsSize(bitmap);
    bytes.assign(reinterpret_cast<const char*>(&bitmap), sizeof bitmap);
    bytes.resize(sizeof bitmap + size);
    return GetBitmapBits(handle, static_cast<LONG>(size), &bytes[sizeof bitmap]) ==
           static_cast<LONG>(size);
}

HANDLE MakeMetafilePicture(const std::string& bytes) {
    if (bytes.size() <= sizeof(PictureHeader))
        return nullptr;
    PictureHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    Metafile metafile(SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - sizeof header),
                                        reinterpret_cast<const BYTE*>(&bytes[sizeof header])));
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(METAFILEPICT)));
    LockedMemory locked(metafile ? memory.get() : nullptr);
    auto* picture = locked.as<METAFILEPICT>();
    if (!picture)
        return nullptr;
    *picture = {header.mappingMode, header.width, header.height, metafile.release()};
    return memory.release(); // unlocked as the guard goes
}

HANDLE MakePalette(const std::string& bytes) {
    constexpr size_t kHeader = offsetof(LOGPALETTE, palPalEntry);
    if (bytes.size() < kHeader)
        return nullptr;
    auto* logical = reinterpret_cast<const LOGPALETTE*>(bytes.data());
    if (bytes.size() < kHeader + logical->palNumEntries * sizeof(PALETTEENTRY))
        return nullptr;
    return CreatePalette(logical);
}

HANDLE MakeBitmap(const std::string& bytes) {
    if (bytes.size() < sizeof(BITMAP))
        return nullptr;
    BITMAP bitmap;
    std::memcpy(&bitmap, bytes.data(), sizeof bitmap);
    if (bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0 ||
        bytes.size() < sizeof bitmap + BitmapBitsSize(bitmap))
        return nullptr;
    bitmap.bmWidthBytes = static_cast<LONG>(BitmapRowBytes(bitmap));
    bitmap.bmBits = const_cast<char*>(&bytes[sizeof bitmap]);
    return CreateBitmapIndirect(&bitmap);
}

// The memory of a picture that the clipboard refused, with its metafile.
void FreeMetafilePicture(HANDLE memory) {
    GlobalMemory owned(memory);
    LockedMemory locked(memory); // unlocked before the memory is freed
    if (const auto* picture = locked.as<const METAFILEPICT>())
        DeleteMetaFile(picture->hMF);
}

} // namespace

bool ReadDrawing(ClipboardData kind, HANDLE data, std::string& bytes) {
    switch (kind) {
    case ClipboardData::EnhancedMetafile:
        return ReadEnhancedMetafile(static_cast<HENHMETAFILE>(data), bytes);
    case ClipboardData::MetafilePicture:
        return ReadMetafilePicture(data, bytes);
    case ClipboardData::Palette:
        return ReadPalette(static_cast<HPALETTE>(data), bytes);
    case ClipboardData::Bitmap:
        return ReadBitmap(static_cast<HBITMAP>(data), bytes);
    default:
        return false;
    }
}

// The system owns a handle once SetClipboardData has taken it.
void WriteDrawing(uint32_t format, ClipboardData kind, const std::string& bytes) {
    switch (kind) {
    case ClipboardData::EnhancedMetafile: {
        EnhancedMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()),
                                                     reinterpret_cast<const BYTE*>(bytes.data())));
        if (metafile && SetClipboardData(format, metafile.get()))
            metafile.release();
        break;
    }
    case ClipboardData::MetafilePicture:
        if (HANDLE picture = MakeMetafilePicture(bytes))
            if (!SetClipboardData(format, picture))
                FreeMetafilePicture(picture);
        break;
    case ClipboardData::Palette:
    case ClipboardData::Bitmap: {
        GdiObject object(kind == ClipboardData::Palette ? MakePalette(bytes) : MakeBitmap(bytes));
        if (object && SetClipboardData(format, object.get()))
            object.release();
        break;
    }
    default:
        break;
    }
}
