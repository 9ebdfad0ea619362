// Keyboard handling of the modeless windows (see ModelessKeys.h).
#include "installer/win32/ModelessKeys.h"

namespace {

// The filter procedure gets no context, so the windows are kept here; the
// installer has one user-interface thread and at most two modeless windows.
HWND windows[2] = {};

} // namespace

ModelessKeys::ModelessKeys()
    : hook_(SetWindowsHookExA(WH_MSGFILTER, &ModelessKeys::filter, nullptr, GetCurrentThreadId())) {
}

ModelessKeys::~ModelessKeys() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    windows[0] = windows[1] = nullptr;
}

void ModelessKeys::add(HWND window) {
    for (HWND& slot : windows) {
        if (slot == nullptr || !IsWindow(slot)) {
            slot = window;
            return;
        }
    }
}

LRESULT CALLBACK ModelessKeys::filter(int code, WPARAM w, LPARAM l) {
    if (code == MSGF_DIALOGBOX) {
        MSG* message = reinterpret_cast<MSG*>(l);
        for (HWND window : windows) {
            if (window && IsWindow(window) && IsWindowVisible(window) &&
                IsDialogMessageA(window, message))
                return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, w, l);
}
