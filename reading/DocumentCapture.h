// The capture of a document's text through the clipboard: the application
// is made to select all and copy, and the copy's text is read from the
// clipboard, polled until it arrives. The steps run over CapturePlatform so that they are tested
// without a window system.
#pragma once

#include "reading/ClipboardKeeper.h"
#include "reading/InputSink.h"
#include "reading/WindowHandle.h"

#include <cstdint>
#include <functional>
#include <string>

class DataStore;

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A left click this program sent: where, and when (tick count in ms).
struct SentClick {
    bool sent = false;
    ScreenPoint at;
    uint32_t tick = 0;
};

// When the system takes a second click for a double click: within `ms` of
// the first and inside a rectangle `width` x `height` centred on it.
struct DoubleClickRule {
    unsigned ms = 500;
    int width = 4;
    int height = 4;
};

class CapturePlatform {
public:
    virtual ~CapturePlatform() = default;
    virtual InputSink& input() = 0;
    virtual ClipboardAccess& clipboard() = 0;
    virtual ScreenPoint cursorPos() = 0;
    virtual void setCursorPos(ScreenPoint point) = 0;
    // A left click whose events carry the point themselves: a pointer just
    // moved can be put back by the window system before a plain click.
    virtual void leftClickAt(ScreenPoint point) = 0;
    virtual void showCursor(bool show) = 0;
    virtual WindowHandle foregroundWindow() = 0;
    virtual std::string windowTitle(WindowHandle window) = 0;
    virtual std::string windowClass(WindowHandle window) = 0;
    // The window (control) under a screen point.
    virtual WindowHandle windowAt(ScreenPoint point) = 0;
    virtual uint32_t tickCount() = 0;
    virtual DoubleClickRule doubleClickRule() = 0;
    // The last left click this program sent (the drop's click, for a read).
    virtual SentClick lastClick() = 0;
    // The control with the keyboard focus in the thread of `window`.
    virtual WindowHandle focusedControlOf(WindowHandle window) = 0;
    // The parent (or owner) of `window`; none for a top-level window.
    virtual WindowHandle parentOf(WindowHandle window) = 0;
    // The process that `window` belongs to.
    virtual uint32_t processOf(WindowHandle window) = 0;
    // Asks `control` to copy its selection with WM_COPY, no keystroke: edit
    // and rich-edit controls copy, other windows ignore it. False when the
    // control did not answer in time, so that its copy may still come.
    virtual bool askToCopy(WindowHandle control) = 0;
    // Repaints the window at once.
    virtual void redrawNow(WindowHandle window) = 0;
    // The clipboard's text as it is now (empty while the copy has not
    // arrived).
    virtual std::string pasteText() = 0;
};

constexpr int kCaptureAttempts = 6;

// How a capture undoes its select-all. A mouse read clicks where the icon was
// dropped; a keyboard read has no such point (the pointer may rest over
// another program), so it plays a key that moves the caret instead.
enum class SelectionClearing { ClickAtStartPoint, CollapseByKey };

// The key that collapses the selection: the caret to the document's start.
constexpr char kCollapseSelectionSequence[] = "<ctrl><home><ctrl>";
constexpr int kPastesPerAttempt = 50;
// A control answers WM_COPY before the call returns; the polls only cover a
// clipboard that its program still holds open.
constexpr int kPastesAfterCopyMessage = 10;

// Captures the text of `target`, the window in front. True when the
// application copied anything; `text` holds what arrived as text (possibly
// nothing). The clipboard is emptied first; what it held stays with `keeper`
// for the caller to restore when the read is over. Each attempt copies with a
// keystroke and then, if nothing came, asks the focused control with WM_COPY.
// The first keystroke is Ctrl+Insert; the later ones are Ctrl+C, except for a
// console or terminal (TerminalWindows.h), which keeps Ctrl+Insert. The
// selection is collapsed afterwards whether or not anything was copied.
bool CaptureDocumentText(CapturePlatform& platform, const DataStore& store, WindowHandle target,
                         ClipboardKeeper& keeper, std::string& text,
                         SelectionClearing clearing = SelectionClearing::ClickAtStartPoint);

// Where the clearing click goes, and after how long a wait.
struct ClickPlan {
    ScreenPoint at;
    unsigned waitMs = 0;
};

// Plans a click at `at` that the document cannot pair with `previous` into
// a double click (which would select the word there): at `at` itself when
// the pair is already too far apart in time or place; else just outside
// the double-click rectangle beside it, on a side `sameWindow` accepts (the
// caret then lands within a character of `at`); else at `at` once the rest
// of the double-click time has passed.
ClickPlan PlanClearingClick(ScreenPoint at, const SentClick& previous, uint32_t now,
                            const DoubleClickRule& rule,
                            const std::function<bool(ScreenPoint)>& sameWindow);

// Clicks once at (or beside) `at` to undo the select-all, with the pointer
// hidden and put back where it was, then repaints the target's focused
// control. This is the capture's last step; a read that must not click
// collapses the selection otherwise and leaves this out.
void ClearSelectionClick(CapturePlatform& platform, WindowHandle target, ScreenPoint at);
