// The capture of a document's text through the clipboard: the application
// is made to select all and copy, and the copy is pasted into a hidden edit
// control. The steps run over CapturePlatform so that they are tested
// without a window system.
#pragma once

#include "reading/ClipboardKeeper.h"
#include "reading/InputSink.h"
#include "reading/WindowHandle.h"

#include <string>

class DataStore;

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class CapturePlatform {
public:
    virtual ~CapturePlatform() = default;
    virtual InputSink& input() = 0;
    virtual ClipboardAccess& clipboard() = 0;
    virtual ScreenPoint cursorPos() = 0;
    virtual void setCursorPos(ScreenPoint point) = 0;
    virtual void showCursor(bool show) = 0;
    virtual WindowHandle foregroundWindow() = 0;
    virtual std::string windowTitle(WindowHandle window) = 0;
    // The control with the keyboard focus in the thread of `window`.
    virtual WindowHandle focusedControlOf(WindowHandle window) = 0;
    // Repaints the window at once.
    virtual void redrawNow(WindowHandle window) = 0;
    // Pastes the clipboard into the hidden edit control; its whole text.
    virtual std::string pasteText() = 0;
};

constexpr int kCaptureAttempts = 6;
constexpr int kPastesPerAttempt = 50;

// Captures the text of `target`, the window in front. True when the
// application copied anything; `text` holds what arrived as text (possibly
// nothing). The clipboard is emptied first; what it held stays with `keeper`
// for the caller to restore when the read is over.
bool CaptureDocumentText(CapturePlatform& platform, const DataStore& store, WindowHandle target,
                         ClipboardKeeper& keeper, std::string& text);

// Clicks once at `at` to undo the select-all, with the pointer hidden and
// put back where it was, then repaints the target's focused control.
void ClearSelectionClick(CapturePlatform& platform, WindowHandle target, ScreenPoint at);
