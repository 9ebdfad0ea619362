// TextCapture: one capture of a document window's text, taken from the
// clipboard once the document's application has copied it.
#pragma once

#include "reading/DocumentCapture.h"
#include "reading/win32/Win32Input.h"
#include "toolkit/PumpingWait.h"

#include <windows.h>

class TextCapture : public CapturePlatform {
public:
    // `previousClick`: the drop's click that started the read, if any.
    TextCapture(ClipboardAccess& clipboard, const SentClick& previousClick)
        : clipboard_(clipboard), previousClick_(previousClick) {}

    // The keystrokes of the capture go to the target, typed on its layout.
    void setTarget(HWND target) {
        target_ = target;
        input_.typeInto(target);
    }
    void setClearing(SelectionClearing clearing) { clearing_ = clearing; }
    // Captures the target's text into text(); see CaptureDocumentText.
    bool captureDocumentText(const DataStore& store, ClipboardKeeper& keeper);
    const std::string& text() const { return text_; }

    InputSink& input() override { return input_; }
    ClipboardAccess& clipboard() override { return clipboard_; }
    ScreenPoint cursorPos() override;
    void setCursorPos(ScreenPoint point) override { SetCursorPos(point.x, point.y); }
    void leftClickAt(ScreenPoint point) override { SendPrimaryClickAt(point); }
    void showCursor(bool show) override { ShowCursor(show); }
    WindowHandle foregroundWindow() override { return GetForegroundWindow(); }
    std::string windowTitle(WindowHandle window) override;
    std::string windowClass(WindowHandle window) override;
    WindowHandle windowAt(ScreenPoint point) override {
        return WindowFromPoint({point.x, point.y});
    }
    uint32_t tickCount() override { return PreciseTickCount(); }
    DoubleClickRule doubleClickRule() override;
    SentClick lastClick() override { return previousClick_; }
    WindowHandle focusedControlOf(WindowHandle window) override;
    WindowHandle parentOf(WindowHandle window) override {
        return GetParent(static_cast<HWND>(window));
    }
    uint32_t processOf(WindowHandle window) override;
    bool askToCopy(WindowHandle control) override;
    void redrawNow(WindowHandle window) override;
    std::string pasteText() override;

private:
    Win32Input input_;
    ClipboardAccess& clipboard_;
    SentClick previousClick_;
    HWND target_ = nullptr;
    SelectionClearing clearing_ = SelectionClearing::ClickAtStartPoint;
    std::string text_;
};
