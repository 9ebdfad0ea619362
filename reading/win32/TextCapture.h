// TextCapture: one capture of a document window's text on the real system,
// taken from the clipboard once the document's application has copied it.
#pragma once

#include "reading/DocumentCapture.h"

#include <windows.h>

// Captures the text of `target`, the window in front, with keys typed on its
// keyboard layout; see CaptureDocumentText. `keeper` keeps `clipboard`.
CaptureResult CaptureWindowText(HWND target, const DataStore& store, ClipboardAccess& clipboard,
                                ClipboardKeeper& keeper, SelectionClearing clearing,
                                const SentClick& dropClick);
