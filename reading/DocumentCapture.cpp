// The capture of a document's text: select all, copy, read the clipboard, clear.
#include "reading/DocumentCapture.h"

#include "reading/KeySequence.h"
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

// Copies, then pastes until the text arrives: 50 polls, the n-th on its
// turn n x 5 ms after the copy key. The turns are counted on the tick clock,
// so that neither a slow paste nor a wait that ran over (every wait ends at
// the first tick past its end, and Windows 95's clock moves in steps of
// about 55 ms) is added again to every later poll; no poll comes before its
// turn, and a poll whose turn has passed comes at once.
bool CopyAndPaste(CapturePlatform& platform, CopyKey key, std::string& text) {
    InputSink& input = platform.input();
    SendCopyKey(input, key);
    const uint32_t copied = platform.tickCount();
    for (uint32_t turn = 1; turn <= static_cast<uint32_t>(kPastesPerAttempt); ++turn) {
        uint32_t since = platform.tickCount() - copied;
        uint32_t due = turn * kPastePollMs;
        if (since < due)
            input.wait(std::min(due - since, kPastePollMs));
        text = platform.pasteText();
        if (!text.empty())
            return true;
    }
    return false;
}

void SelectAll(CapturePlatform& platform, const DataStore& store) {
    std::string title = platform.windowTitle(platform.foregroundWindow());
    std::string sequence = store.sequenceForTitle(SequenceKind::SelectText, title);
    PlayKeySequence(platform.input(), sequence, false);
}

bool IsConsole(CapturePlatform& platform, WindowHandle window) {
    return window && platform.windowClass(window) == kConsoleWindowClass;
}

// Many programs outside the classic controls copy only on Ctrl+C; a console
// would take it as an interrupt, so it keeps Ctrl+Insert.
bool MayCopyWithCtrlC(CapturePlatform& platform, WindowHandle target) {
    return !IsConsole(platform, target) && !IsConsole(platform, platform.foregroundWindow());
}

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
    bool copied = false;
    CopyKey key = CopyKey::CtrlInsert;
    for (int attempt = 0; attempt < kCaptureAttempts && !copied; ++attempt) {
        SelectAll(platform, store);
        platform.input().wait(kAfterSelectMs);
        copied = CopyAndPaste(platform, key, text) || platform.clipboard().countFormats() != 0;
        if (!copied && key == CopyKey::CtrlInsert && MayCopyWithCtrlC(platform, target))
            key = CopyKey::CtrlC;
    }
    keeper.noteCaptureLeft();
    if (!copied)
        return false;
    if (clearing == SelectionClearing::ClickAtStartPoint)
        ClearSelectionClick(platform, target, start);
    else
        PlayKeySequence(platform.input(), kCollapseSelectionSequence, false);
    platform.input().wait(kAfterClickMs);
    return true;
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
