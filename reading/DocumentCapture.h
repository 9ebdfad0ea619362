// The capture of a document's text through the clipboard: the application
// is made to select all and copy, and the copy's text is read from the
// clipboard, polled until it arrives. The steps run over small interfaces
// (CaptureSystem) so that they are tested without a window system.
#pragma once

#include "reading/ClipboardKeeper.h"
#include "reading/DocumentWindowRules.h"
#include "reading/InputSink.h"
#include "reading/ScreenPointer.h"
#include "reading/WindowHandle.h"

#include <cstdint>
#include <functional>
#include <string>

class DataStore;

// The window in front and the control with the keyboard focus: the capture
// asks that control to copy and repaints it.
class FocusedControls {
public:
    virtual ~FocusedControls() = default;
    virtual WindowHandle foregroundWindow() = 0;
    // The control with the keyboard focus in the thread of `window`.
    virtual WindowHandle focusedControlOf(WindowHandle window) = 0;
    // Asks `control` to copy its selection with WM_COPY, no keystroke: edit
    // and rich-edit controls copy, other windows ignore it. False when the
    // control did not answer in time, so that its copy may still come.
    virtual bool askToCopy(WindowHandle control) = 0;
    // Repaints the window at once.
    virtual void redrawNow(WindowHandle window) = 0;
};

// The clock that the copy's polls and the clearing click are timed by (ms).
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual uint32_t now() = 0;
};

class CopiedText {
public:
    virtual ~CopiedText() = default;
    // The clipboard's text as it is now (empty while the copy has not
    // arrived).
    virtual std::string pasteText() = 0;
};

// What a capture works through, one narrow interface for each part of the
// system it uses.
struct CaptureSystem {
    InputSink& input; // keys on the target's keyboard layout, and waits
    WindowQuery& windows;
    FocusedControls& focus;
    ScreenPointer& pointer;
    TickClock& clock;
    ClipboardAccess& clipboard; // whether it holds anything at all
    CopiedText& copied;
};

// What one capture brought.
struct CaptureResult {
    // True when the application copied anything, text or not.
    bool copied = false;
    // What arrived as text (possibly nothing).
    std::string text;
    // The capture's copy requests that the document may still answer (its
    // keystrokes, and WM_COPY messages not answered in time).
    int pendingCopies = 0;
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

// Captures the text of `target`, the window in front. The clipboard is
// emptied first; what it held stays with `keeper` for the caller to restore
// when the read is over, and the keeper is told of the copies still pending.
// Each attempt copies with a keystroke and then, if nothing came, asks the
// focused control with WM_COPY. The first keystroke is Ctrl+Insert; the later
// ones are Ctrl+C, except for a console or terminal (TerminalWindows.h),
// which keeps Ctrl+Insert. The selection is collapsed afterwards whether or
// not anything was copied; a clearing click must not pair with `dropClick`,
// the drop's click that started the read, if any.
CaptureResult CaptureDocumentText(const CaptureSystem& system, const DataStore& store,
                                  WindowHandle target, ClipboardKeeper& keeper,
                                  SelectionClearing clearing = SelectionClearing::ClickAtStartPoint,
                                  const SentClick& dropClick = {});

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
// control; `previous` is the click it must not pair with. This is the
// capture's last step; a read that must not click collapses the selection
// otherwise and leaves this out.
void ClearSelectionClick(InputSink& input, ScreenPointer& pointer, FocusedControls& focus,
                         TickClock& clock, WindowHandle target, ScreenPoint at,
                         const SentClick& previous);
