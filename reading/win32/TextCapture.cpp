// TextCapture: the capture's steps met by the real system.
#include "reading/win32/TextCapture.h"

#include "clipboard/ClipboardAccess.h"
#include "reading/DocumentText.h"
#include "toolkit/WindowText.h"
#include "vocab/win32/Win32CodePages.h"

namespace {

constexpr UINT kCopyMessageTimeoutMs = 1000;

} // namespace

bool TextCapture::captureDocumentText(const DataStore& store, ClipboardKeeper& keeper) {
    return CaptureDocumentText(*this, store, target_, keeper, text_, clearing_);
}

ScreenPoint TextCapture::cursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

std::string TextCapture::windowTitle(WindowHandle window) {
    return WindowText(static_cast<HWND>(window));
}

std::string TextCapture::windowClass(WindowHandle window) {
    char name[256] = "";
    int length = GetClassNameA(static_cast<HWND>(window), name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

DoubleClickRule TextCapture::doubleClickRule() {
    return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK),
            GetSystemMetrics(SM_CYDOUBLECLK)};
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

uint32_t TextCapture::processOf(WindowHandle window) {
    DWORD process = 0;
    GetWindowThreadProcessId(static_cast<HWND>(window), &process);
    return process;
}

// A hung program must not hang the read with it.
bool TextCapture::askToCopy(WindowHandle control) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(static_cast<HWND>(control), WM_COPY, 0, 0, SMTO_ABORTIFHUNG,
                               kCopyMessageTimeoutMs, &result) != 0;
}

void TextCapture::redrawNow(WindowHandle window) {
    if (window)
        RedrawWindow(static_cast<HWND>(window), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The clipboard's text is read straight from its data. A hidden edit
// control pasting it did the same job, but it laid out every line of a large
// document first (8 MB took seconds of processor time) and Windows 95 caps
// such a control at 64 KB.
std::string TextCapture::pasteText() {
    ClipboardSession session(clipboard_);
    return session ? DocumentTextOf(clipboard_, Win32CodePages()) : std::string();
}
