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
bool AwaitCopy(CapturePlatform& platform, int polls, std::string& text) {
    InputSink& input = platform.input();
    const uint32_t asked = platform.tickCount();
    for (uint32_t turn = 1; turn <= static_cast<uint32_t>(polls); ++turn) {
        uint32_t since = platform.tickCount() - asked;
        uint32_t due = turn * kPastePollMs;
        if (since < due)
            input.wait(std::min(due - since, kPastePollMs));
        text = platform.pasteText();
        if (!text.empty())
            return true;
    }
    return platform.clipboard().countFormats() != 0;
}

void SelectAll(CapturePlatform& platform, const DataStore& store) {
    std::string title = platform.windowTitle(platform.foregroundWindow());
    std::string sequence = store.sequenceForTitle(SequenceKind::SelectText, title);
    PlayKeySequence(platform.input(), sequence, false);
}

bool IsTerminal(CapturePlatform& platform, WindowHandle window) {
    return window && IsTerminalClass(platform.windowClass(window));
}

// The keys go to the focus of the window in front, normally the target's; a
// terminal may be any of the windows involved (ConEmu and Windows Terminal
// draw into children of other classes, and a terminal can be embedded).
bool MayCopyWithCtrlC(CapturePlatform& platform, WindowHandle target) {
    for (WindowHandle window : {target, platform.foregroundWindow()}) {
        if (!window)
            continue;
        for (WindowHandle involved :
             {window,
              TopLevelAncestor([&](WindowHandle child) { return platform.parentOf(child); },
                               window),
              platform.focusedControlOf(window)})
            if (IsTerminal(platform, involved))
                return false;
    }
    return true;
}

// The copy requests of one capture. A keystroke waits in the document's
// input queue, and a message that timed out in its message queue: either can
// still be answered after the capture, and then overwrites the clipboard.
class Copier {
public:
    Copier(CapturePlatform& platform, WindowHandle target, std::string& text)
        : platform_(platform), target_(target), text_(text) {}

    // One attempt's copy: a keystroke, then WM_COPY; true once data arrived.
    bool copy(int attempt) {
        return byKey(attempt == 0 || !MayCopyWithCtrlC(platform_, target_) ? CopyKey::CtrlInsert
                                                                           : CopyKey::CtrlC) ||
               byMessage();
    }
    int unanswered() const { return unanswered_; }

private:
    bool byKey(CopyKey key) {
        SendCopyKey(platform_.input(), key);
        return counted(AwaitCopy(platform_, kPastesPerAttempt, text_), true);
    }
    bool byMessage() {
        WindowHandle focus = platform_.focusedControlOf(target_);
        if (!focus)
            return false;
        bool inTime = platform_.askToCopy(focus);
        return counted(AwaitCopy(platform_, kPastesAfterCopyMessage, text_), !inTime);
    }
    // A request that brought no data may still be answered later, unless it
    // was a message that the control answered in time.
    bool counted(bool copied, bool mayComeLater) {
        if (mayComeLater && !copied)
            ++unanswered_;
        return copied;
    }

    CapturePlatform& platform_;
    WindowHandle target_;
    std::string& text_;
    int unanswered_ = 0;
};

bool Outside(int offset, int extent) {
    return offset < 0 ? -offset > extent / 2 : offset > extent / 2;
}

} // namespace

bool CaptureDocumentText(CapturePlatform& platform, const DataStore& store, WindowHandle target,
                         ClipboardKeeper& keeper, std::string& text, SelectionClearing clearing) {
    text.clear();
    ScreenPoint start = platform.cursorPos();
    if (!keeper.saveAndEmpty())
        return false;
    Copier copier(platform, target, text);
    bool copied = false;
    for (int attempt = 0; attempt < kCaptureAttempts && !copied; ++attempt) {
        SelectAll(platform, store);
        platform.input().wait(kAfterSelectMs);
        copied = copier.copy(attempt);
    }
    keeper.noteCaptureLeft(platform.processOf(target), copier.unanswered());
    // Whatever came of it, the document must not stay selected: the user's
    // next key would replace the whole text.
    if (clearing == SelectionClearing::ClickAtStartPoint)
        ClearSelectionClick(platform, target, start);
    else
        PlayKeySequence(platform.input(), kCollapseSelectionSequence, false);
    platform.input().wait(kAfterClickMs);
    return copied;
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

void ClearSelectionClick(CapturePlatform& platform, WindowHandle target, ScreenPoint at) {
    WindowHandle here = platform.windowAt(at);
    ClickPlan plan = PlanClearingClick(
        at, platform.lastClick(), platform.tickCount(), platform.doubleClickRule(),
        [&](ScreenPoint point) { return platform.windowAt(point) == here; });
    InputSink& input = platform.input();
    if (plan.waitMs != 0)
        input.wait(plan.waitMs);
    WindowHandle focus = platform.focusedControlOf(target);
    ScreenPoint pointer = platform.cursorPos();
    platform.showCursor(false);
    platform.setCursorPos(plan.at);
    input.wait(1);
    platform.leftClickAt(plan.at);
    input.wait(1);
    platform.setCursorPos(pointer);
    platform.showCursor(true);
    platform.redrawNow(focus);
}
