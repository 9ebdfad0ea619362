// A window's place in the clipboard viewer chain.
#include "clipboard/win32/ClipboardViewer.h"

void ClipboardViewer::join(HWND window) {
    window_ = window;
    next_ = SetClipboardViewer(window);
}

void ClipboardViewer::leave() {
    if (window_ && IsWindow(window_))
        ChangeClipboardChain(window_, next_);
    window_ = nullptr;
}

namespace {
// The next viewer belongs to another program, which may be hung or slow: it
// gets a little time, never the power to stop this one.
constexpr UINT kPassOnMs = 2000;

void PassOn(HWND next, UINT message, WPARAM w, LPARAM l) {
    DWORD_PTR ignored = 0;
    if (next)
        SendMessageTimeoutA(next, message, w, l, SMTO_ABORTIFHUNG, kPassOnMs, &ignored);
}
} // namespace

void ClipboardViewer::passOnChange(WPARAM w, LPARAM l) const {
    PassOn(next_, WM_DRAWCLIPBOARD, w, l);
}

void ClipboardViewer::chainChanged(WPARAM removed, LPARAM next) {
    if (reinterpret_cast<HWND>(removed) == next_)
        next_ = reinterpret_cast<HWND>(next);
    else
        PassOn(next_, WM_CHANGECBCHAIN, removed, next);
}
