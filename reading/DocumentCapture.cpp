// The capture of a document's text: select all, copy, read the clipboard, clear.
#include "reading/DocumentCapture.h"

#include "reading/DocumentWindowRules.h"
#include "reading/KeySequence.h"
#include "reading/TerminalWindows.h"
#include "vocab/DataStore.h"

#include <algorithm>

namespace {

constexpr unsigned kAfterSelectMs = 50;
constexpr unsigned kPastePollMs = 5;
constexpr unsigned kAfterClickMs = 50;

enum class CopyKey { CtrlInsert, CtrlC };

// The copy keystroke without waits: Ctrl down, key down, key up, Ctrl up.
// The C goes through the layout's own key for the letter.
void SendCopyKey(InputSink& input, CopyKey key) {
    if (key == CopyKey::CtrlC) {
        PlayKeySequence(input, "<ctrl>c<ctrl>", true);
        return;
    }
    input.keyDown(kVkControl);
    input.keyDown(kVkInsert);
    input.keyUp(kVkInsert);
    input.keyUp(kVkControl);
}

// Polls the clipboard until the copy's text arrives: the n-th poll on its
// turn n x 5 ms after the copy request. The turns are counted on the tick
// clock, so that neither a slow paste nor a wait that ran over (every wait
// ends at the first tick past its end, and Windows 95's clock moves in steps
// of about 55 ms) is added again to every later poll; no poll comes before
// its turn, and a poll whose turn has passed comes at once. True when the
// clipboard holds data of any kind at the end.
bool AwaitCopy(const CaptureSystem& system, int polls, std::string& text) {
    const uint32_t asked = system.clock.now();
    for (uint32_t turn = 1; turn <= static_cast<uint32_t>(polls); ++turn) {
        uint32_t since = system.clock.now() - asked;
        uint32_t due = turn * kPastePollMs;
        if (since < due)
            system.input.wait(std::min(due - since, kPastePollMs));
        text = system.copied.pasteText();
        if (!text.empty())
            return true;
    }
    return system.clipboard.countFormats() != 0;
}

void SelectAll(const CaptureSystem& system, const DataStore& store) {
    std::string title = system.windows.title(system.focus.foregroundWindow());
    std::string sequence = store.sequenceForTitle(SequenceKind::SelectText, title);
    PlayKeySequence(system.input, sequence, false);
}

bool IsTerminal(WindowQuery& windows, WindowHandle window) {
    return window && IsTerminalClass(windows.className(window));
}

// The keys go to the focus of the window in front, normally the target's; a
// terminal may be any of the windows involved (ConEmu and Windows Terminal
// draw into children of other classes, and a terminal can be embedded).
bool MayCopyWithCtrlC(const CaptureSystem& system, WindowHandle target) {
    for (WindowHandle window : {target, system.focus.foregroundWindow()}) {
        if (!window)
            continue;
        for (WindowHandle involved : {window, TopLevelAncestor(system.windows, window),
                                      system.focus.focusedControlOf(window)})
            if (IsTerminal(system.windows, involved))
                return false;
    }
    return true;
}

// The copy requests of one capture. A keystroke waits in the document's
// input queue, and a message that timed out in its message queue: either can
// still be answered after the capture, and then overwrites the clipboard.
class Copier {
public:
    Copier(const CaptureSystem& system, WindowHandle target, std::string& text)
        : system_(system), target_(target), text_(text) {}

    // One attempt's copy: a keystroke, then WM_COPY; true once data arrived.
    bool copy(int attempt) {
        return byKey(attempt == 0 || !MayCopyWithCtrlC(system_, target_) ? CopyKey::CtrlInsert
                                                                         : CopyKey::CtrlC) ||
               byMessage();
    }
    int unanswered() const { return unanswered_; }

private:
    bool byKey(CopyKey key) {
        SendCopyKey(system_.input, key);
        return counted(AwaitCopy(system_, kPastesPerAttempt, text_), true);
    }
    bool byMessage() {
        WindowHandle focus = system_.focus.focusedControlOf(target_);
        if (!focus)
            return false;
        bool inTime = system_.focus.askToCopy(focus);
        return counted(AwaitCopy(system_, kPastesAfterCopyMessage, text_), !inTime);
    }
    // A request that brought no data may still be answered later, unless it
    // was a message that the control answered in time.
    bool counted(bool copied, bool mayComeLater) {
        if (mayComeLater && !copied)
            ++unanswered_;
        return copied;
    }

    const CaptureSystem& system_;
    WindowHandle target_;
    std::string& text_;
    int unanswered_ = 0;
};

bool Outside(int offset, int extent) {
    return offset < 0 ? -offset > extent / 2 : offset > extent / 2;
}

} // namespace

CaptureResult CaptureDocumentText(const CaptureSystem& system, const DataStore& store,
                                  WindowHandle target, ClipboardKeeper& keeper,
                                  SelectionClearing clearing, const SentClick& dropClick) {
    CaptureResult result;
    ScreenPoint start = system.pointer.position();
    if (!keeper.saveAndEmpty())
        return result;
    Copier copier(system, target, result.text);
    for (int attempt = 0; attempt < kCaptureAttempts && !result.copied; ++attempt) {
        SelectAll(system, store);
        system.input.wait(kAfterSelectMs);
        result.copied = copier.copy(attempt);
    }
    result.pendingCopies = copier.unanswered();
    keeper.noteCaptureLeft(system.windows.processOf(target), result.pendingCopies);
    // Whatever came of it, the document must not stay selected: the user's
    // next key would replace the whole text.
    if (clearing == SelectionClearing::ClickAtStartPoint)
        ClearSelectionClick(system.input, system.pointer, system.focus, system.clock, target, start,
                            dropClick);
    else
        PlayKeySequence(system.input, kCollapseSelectionSequence, false);
    system.input.wait(kAfterClickMs);
    return result;
}

ClickPlan PlanClearingClick(ScreenPoint at, const SentClick& previous, uint32_t now,
                            const DoubleClickRule& rule,
                            const std::function<bool(ScreenPoint)>& sameWindow) {
    uint32_t since = now - previous.tick;
    if (!previous.sent || since >= rule.ms || Outside(at.x - previous.at.x, rule.width) ||
        Outside(at.y - previous.at.y, rule.height))
        return {at, 0};
    int beside = rule.width / 2 + 1;
    for (int x : {previous.at.x + beside, previous.at.x - beside}) {
        if (sameWindow({x, at.y}))
            return {{x, at.y}, 0};
    }
    return {at, rule.ms - since};
}

void ClearSelectionClick(InputSink& input, ScreenPointer& pointer, FocusedControls& focus,
                         TickClock& clock, WindowHandle target, ScreenPoint at,
                         const SentClick& previous) {
    WindowHandle here = pointer.windowAt(at);
    ClickPlan plan =
        PlanClearingClick(at, previous, clock.now(), pointer.doubleClickRule(),
                          [&](ScreenPoint point) { return pointer.windowAt(point) == here; });
    if (plan.waitMs != 0)
        input.wait(plan.waitMs);
    WindowHandle control = focus.focusedControlOf(target);
    ScreenPoint back = pointer.position();
    pointer.show(false);
    pointer.moveTo(plan.at);
    input.wait(1);
    pointer.primaryClickAt(plan.at);
    input.wait(1);
    pointer.moveTo(back);
    pointer.show(true);
    focus.redrawNow(control);
}
