// A window's place in the clipboard viewer chain.
#include "ui/ClipboardViewer.h"

void ClipboardViewer::join(HWND window) {
    window_ = window;
    next_ = SetClipboardViewer(window);
}

void ClipboardViewer::leave() {
    if (window_ && IsWindow(window_))
        ChangeClipboardChain(window_, next_);
    window_ = nullptr;
}

void ClipboardViewer::passOnChange(WPARAM w, LPARAM l) const {
    if (next_)
        SendMessageA(next_, WM_DRAWCLIPBOARD, w, l);
}

void ClipboardViewer::chainChanged(WPARAM removed, LPARAM next) {
    if (reinterpret_cast<HWND>(removed) == next_)
        next_ = reinterpret_cast<HWND>(next);
    else if (next_)
        SendMessageA(next_, WM_CHANGECBCHAIN, removed, next);
}
