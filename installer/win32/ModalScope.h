// ModalScope: makes a modal window or message box modal over every window of
// the installer, not only over its owner. The system disables the owner
// alone, which left the background window's close box usable under
// "Confirmation", and the "Destination" window usable under the background
// window's quit question.
#pragma once

#include <windows.h>

class ModalScope {
public:
    // Disables every visible, enabled top-level window of the thread except
    // `owner`: the modal window disables that one itself and enables it again
    // before it closes, so that the owner takes the activation back.
    explicit ModalScope(HWND owner);
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    // Enables again what this scope disabled, and nothing else: a window that
    // an outer scope disabled stays disabled.
    ~ModalScope();

private:
    static BOOL CALLBACK disable(HWND window, LPARAM scope);

    HWND owner_;
    // The installer shows at most four top-level windows at once.
    HWND disabled_[8] = {};
    int count_ = 0;
};
