// TextCapture: the capture's steps met by the real system.
#include "reading/win32/TextCapture.h"

#include <vector>

TextCapture::TextCapture(HWND parent, HINSTANCE instance, ClipboardAccess& clipboard)
    : clipboard_(clipboard) {
    // Without WS_VISIBLE the control is never shown; it only receives pastes.
    // ES_AUTOHSCROLL keeps it from wrapping: wrapping every line of a pasted
    // document at a width of 10 pixels made large reads take minutes.
    edit_.reset(CreateWindowExA(0, "Edit", "",
                                WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 10,
                                10, parent, nullptr, instance, nullptr));
    if (edit_)
        SendMessageA(edit_.get(), EM_LIMITTEXT, 0, 0);
}

bool TextCapture::captureDocumentText(const DataStore& store, ClipboardKeeper& keeper) {
    return CaptureDocumentText(*this, store, target_, keeper, text_);
}

ScreenPoint TextCapture::cursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

std::string TextCapture::windowTitle(WindowHandle window) {
    HWND handle = static_cast<HWND>(window);
    std::vector<char> title(GetWindowTextLengthA(handle) + 2);
    int length = GetWindowTextA(handle, title.data(), static_cast<int>(title.size()));
    return std::string(title.data(), length > 0 ? length : 0);
}

// The focus of another thread is visible only with its input attached.
WindowHandle TextCapture::focusedControlOf(WindowHandle window) {
    DWORD thread = GetWindowThreadProcessId(static_cast<HWND>(window), nullptr);
    DWORD self = GetCurrentThreadId();
    bool attach = thread != 0 && thread != self;
    if (attach)
        AttachThreadInput(self, thread, TRUE);
    HWND focus = GetFocus();
    if (attach)
        AttachThreadInput(self, thread, FALSE);
    return focus;
}

void TextCapture::redrawNow(WindowHandle window) {
    if (window)
        RedrawWindow(static_cast<HWND>(window), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::string TextCapture::pasteText() {
    if (!edit_)
        return {};
    SendMessageA(edit_.get(), WM_PASTE, 0, 0);
    int length = GetWindowTextLengthA(edit_.get());
    std::vector<char> text(length + 4);
    int got = GetWindowTextA(edit_.get(), text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), got > 0 ? got : 0);
}
