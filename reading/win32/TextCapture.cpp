// TextCapture: the capture's steps met by the real system, each part of it
// behind its own interface.
#include "reading/win32/TextCapture.h"

#include "clipboard/ClipboardAccess.h"
#include "reading/DocumentText.h"
#include "reading/win32/Win32Input.h"
#include "reading/win32/Win32WindowQuery.h"
#include "toolkit/PumpingWait.h"
#include "vocab/win32/Win32CodePages.h"

namespace {

constexpr UINT kCopyMessageTimeoutMs = 1000;

class Win32Pointer : public ScreenPointer {
public:
    ScreenPoint position() override {
        POINT point{};
        GetCursorPos(&point);
        return {point.x, point.y};
    }
    void moveTo(ScreenPoint point) override { SetCursorPos(point.x, point.y); }
    void show(bool visible) override { ShowCursor(visible); }
    void primaryClickAt(ScreenPoint point) override { SendPrimaryClickAt(point); }
    WindowHandle windowAt(ScreenPoint point) override {
        return WindowFromPoint({point.x, point.y});
    }
    DoubleClickRule doubleClickRule() override {
        return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK),
                GetSystemMetrics(SM_CYDOUBLECLK)};
    }
};

class Win32FocusedControls : public FocusedControls {
public:
    WindowHandle foregroundWindow() override { return GetForegroundWindow(); }
    WindowHandle focusedControlOf(WindowHandle window) override;
    bool askToCopy(WindowHandle control) override;
    void redrawNow(WindowHandle window) override {
        if (window)
            RedrawWindow(static_cast<HWND>(window), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW);
    }
};

// The clock of the program's waits.
class PreciseClock : public TickClock {
public:
    uint32_t now() override { return PreciseTickCount(); }
};

class Win32CopiedText : public CopiedText {
public:
    explicit Win32CopiedText(ClipboardAccess& clipboard) : clipboard_(clipboard) {}
    std::string pasteText() override;

private:
    ClipboardAccess& clipboard_;
};

// The focus of another thread is visible only with its input attached.
WindowHandle Win32FocusedControls::focusedControlOf(WindowHandle window) {
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

// A hung program must not hang the read with it.
bool Win32FocusedControls::askToCopy(WindowHandle control) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(static_cast<HWND>(control), WM_COPY, 0, 0, SMTO_ABORTIFHUNG,
                               kCopyMessageTimeoutMs, &result) != 0;
}

// The clipboard's text is read straight from its data. A hidden edit
// control pasting it did the same job, but it laid out every line of a large
// document first (8 MB took seconds of processor time) and Windows 95 caps
// such a control at 64 KB.
std::string Win32CopiedText::pasteText() {
    ClipboardSession session(clipboard_);
    return session ? DocumentTextOf(clipboard_, Win32CodePages()) : std::string();
}

} // namespace

// The keystrokes of the capture go to the target, typed on its layout.
CaptureResult CaptureWindowText(HWND target, const DataStore& store, ClipboardAccess& clipboard,
                                ClipboardKeeper& keeper, SelectionClearing clearing,
                                const SentClick& dropClick) {
    Win32Input input(target);
    Win32WindowQuery windows;
    Win32FocusedControls focus;
    Win32Pointer pointer;
    PreciseClock clock;
    Win32CopiedText copied(clipboard);
    return CaptureDocumentText({input, windows, focus, pointer, clock, clipboard, copied}, store,
                               target, keeper, clearing, dropClick);
}
