// DocumentWindowTracker: the last foreground window that can be a document
// (not the taskbar, not the desktop, not this program).
#pragma once

#include <windows.h>

class DocumentWindowTracker {
public:
    void update();
    HWND window() const { return window_; }
    void clear() { window_ = nullptr; }

private:
    HWND window_ = nullptr;
};
