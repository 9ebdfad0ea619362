// WindowText: the title read in two steps, length then copy.
#include "toolkit/WindowText.h"

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    // The length may overstate (it can count DBCS bytes twice); the copy
    // tells the real size.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
