// DocumentWindowTracker: the last foreground window that can be a document
// (not the taskbar, not the desktop, not this program).
#pragma once

#include <windows.h>

class DocumentWindowTracker {
public:
    // Remembers the foreground window if it qualifies; a window that does
    // not qualify leaves the remembered one as it was.
    void update();
    HWND window() const { return window_; }
    void clear() { window_ = nullptr; }

private:
    HWND window_ = nullptr;
};
