// DocumentWindowTracker: the document-window rules over the real windows.
#include "reading/win32/DocumentWindowTracker.h"

#include "reading/DocumentWindowRules.h"
#include "reading/win32/Win32WindowQuery.h"

void DocumentWindowTracker::update() {
    Win32WindowQuery query;
    HWND foreground = GetForegroundWindow();
    if (IsDocumentWindow(query, foreground))
        window_ = foreground;
}
