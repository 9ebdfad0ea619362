// Modal over the whole installer (see ModalScope.h).
#include "installer/win32/ModalScope.h"

ModalScope::ModalScope(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &ModalScope::disable, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
    while (count_ > 0)
        EnableWindow(disabled_[--count_], TRUE);
}

BOOL CALLBACK ModalScope::disable(HWND window, LPARAM scope) {
    auto* self = reinterpret_cast<ModalScope*>(scope);
    if (window == self->owner_ || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    if (self->count_ == sizeof self->disabled_ / sizeof self->disabled_[0])
        return FALSE;
    EnableWindow(window, FALSE);
    self->disabled_[self->count_++] = window;
    return TRUE;
}
