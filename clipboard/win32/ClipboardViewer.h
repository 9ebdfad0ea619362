// ClipboardViewer: a window's place in the system's clipboard viewer chain
// (Windows 95 has no other way to hear of clipboard changes). Each viewer
// passes the chain's messages on to the next one.
#pragma once

#include <windows.h>

class ClipboardViewer {
public:
    ClipboardViewer() = default;
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;
    ~ClipboardViewer() { leave(); }

    // The window receives WM_DRAWCLIPBOARD at once and on every change.
    void join(HWND window);
    // A viewer that goes without leaving cuts off the viewers after it.
    void leave();
    // Hand on WM_DRAWCLIPBOARD and WM_CHANGECBCHAIN, waiting for a hung or slow
    // next viewer no longer than a moment.
    void passOnChange(WPARAM w, LPARAM l) const;
    void chainChanged(WPARAM removed, LPARAM next);

private:
    HWND window_ = nullptr;
    HWND next_ = nullptr;
};
