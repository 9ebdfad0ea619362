// The clipboard formats held as GDI objects (metafiles, palettes, bitmaps):
// copied out into the flat forms of ClipboardDataOf and made again from them.
#pragma once

#include "clipboard/ClipboardFormats.h"

#include <windows.h>

#include <string>

// Copies the drawing that `data` holds (as GetClipboardData gave it) into
// `bytes`; false when it cannot be read.
bool ReadDrawing(ClipboardData kind, HANDLE data, std::string& bytes);
// Makes the drawing again from its flat form and puts it on the open
// clipboard as `format`; a form that does not make a drawing is left out.
void WriteDrawing(uint32_t format, ClipboardData kind, const std::string& bytes);
