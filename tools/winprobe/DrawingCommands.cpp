// Drawings on the clipboard, held as GDI handles: an enhanced metafile, a
// metafile picture and a palette put there at once, and each read back as
// bytes (the metafiles' bits, the picture's mapping mode and size, the
// palette's entries) to compare what a program left behind.
#include "Commands.h"
#include "Handles.h"

#include <vector>

namespace {

// A small picture: a frame, a filled circle and a word.
void draw(HDC dc) {
    Rectangle(dc, 0, 0, 200, 100);
    HBRUSH brush = CreateSolidBrush(RGB(200, 40, 20));
    HGDIOBJ previous = SelectObject(dc, brush);
    Ellipse(dc, 20, 10, 100, 90);
    SelectObject(dc, previous);
    DeleteObject(brush);
    TextOutA(dc, 110, 40, "zebra", 5);
}

HENHMETAFILE makeEnhancedMetafile() {
    RECT frame = {0, 0, 5000, 2500}; // hundredths of a millimetre
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, L"winprobe\0drawing\0");
    draw(dc);
    return CloseEnhMetaFile(dc);
}

HGLOBAL makeMetafilePicture() {
    HDC dc = CreateMetaFileW(nullptr);
    draw(dc);
    HMETAFILE metafile = CloseMetaFile(dc);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
    auto* picture = static_cast<METAFILEPICT*>(GlobalLock(memory));
    *picture = {MM_ANISOTROPIC, 5000, 2500, metafile};
    GlobalUnlock(memory);
    return memory;
}

HPALETTE makePalette() {
    struct {
        WORD version, count;
        PALETTEENTRY entries[3];
    } palette = {0x300, 3, {{200, 40, 20, 0}, {10, 120, 250, 0}, {240, 230, 10, PC_NOCOLLAPSE}}};
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

std::string enhancedMetafileHex(HENHMETAFILE metafile) {
    std::vector<BYTE> bits(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bits.size()), bits.data());
    return hexBytes(bits.data(), bits.size());
}

std::string metafilePictureHex(HGLOBAL memory) {
    const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(memory));
    LONG header[3] = {picture->mm, picture->xExt, picture->yExt};
    HMETAFILE metafile = picture->hMF;
    GlobalUnlock(memory);
    std::vector<BYTE> bits(GetMetaFileBitsEx(metafile, 0, nullptr));
    GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
    return hexBytes(header, sizeof header) + hexBytes(bits.data(), bits.size());
}

std::string paletteHex(HPALETTE palette) {
    std::vector<PALETTEENTRY> entries(GetPaletteEntries(palette, 0, 0, nullptr));
    GetPaletteEntries(palette, 0, static_cast<UINT>(entries.size()), entries.data());
    return hexBytes(entries.data(), entries.size() * sizeof(PALETTEENTRY));
}

HANDLE clipboardHandle(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (!data)
        throw ProbeError("format not on the clipboard: #" + std::to_string(format));
    return data;
}

} // namespace

// Replaces the clipboard with the three drawings; answers each one's bytes.
void cmdClipDrawings(const Args&, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    EmptyClipboard();
    HENHMETAFILE metafile = makeEnhancedMetafile();
    HGLOBAL picture = makeMetafilePicture();
    HPALETTE palette = makePalette();
    answer.addText("emf", enhancedMetafileHex(metafile))
        .addText("wmf", metafilePictureHex(picture))
        .addText("palette", paletteHex(palette));
    if (!SetClipboardData(CF_ENHMETAFILE, metafile) ||
        !SetClipboardData(CF_METAFILEPICT, picture) || !SetClipboardData(CF_PALETTE, palette))
        throw ProbeError("SetClipboardData refused a drawing");
}

// Argument: "emf", "wmf" or "palette"; answers the drawing's bytes.
void cmdClipDrawing(const Args& args, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    const std::string& kind = args.text(0);
    if (kind == "emf")
        answer.addText(
            "hex", enhancedMetafileHex(static_cast<HENHMETAFILE>(clipboardHandle(CF_ENHMETAFILE))));
    else if (kind == "wmf")
        answer.addText("hex", metafilePictureHex(clipboardHandle(CF_METAFILEPICT)));
    else if (kind == "palette")
        answer.addText("hex", paletteHex(static_cast<HPALETTE>(clipboardHandle(CF_PALETTE))));
    else
        throw ProbeError("no such drawing: " + kind);
}
