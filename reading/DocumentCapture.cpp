// The capture of a document's text: select all, copy, paste, clear.
#include "reading/DocumentCapture.h"

#include "reading/KeySequence.h"
#include "vocab/DataStore.h"

namespace {

constexpr unsigned kAfterSelectMs = 50;
constexpr unsigned kPastePollMs = 5;
constexpr unsigned kAfterClickMs = 50;

// Ctrl+Insert, without waits; then paste until the text arrives.
bool CopyAndPaste(CapturePlatform& platform, std::string& text) {
    InputSink& input = platform.input();
    input.keyDown(kVkControl);
    input.keyDown(kVkInsert);
    input.keyUp(kVkInsert);
    input.keyUp(kVkControl);
    for (int i = 0; i < kPastesPerAttempt; ++i) {
        input.wait(kPastePollMs);
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

} // namespace

bool CaptureDocumentText(CapturePlatform& platform, const DataStore& store, WindowHandle target,
                         ClipboardKeeper& keeper, std::string& text, SelectionClearing clearing) {
    text.clear();
    ScreenPoint start = platform.cursorPos();
    if (!keeper.saveAndEmpty())
        return false;
    bool copied = false;
    for (int attempt = 0; attempt < kCaptureAttempts && !copied; ++attempt) {
        SelectAll(platform, store);
        platform.input().wait(kAfterSelectMs);
        copied = CopyAndPaste(platform, text) || platform.clipboard().countFormats() != 0;
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

void ClearSelectionClick(CapturePlatform& platform, WindowHandle target, ScreenPoint at) {
    WindowHandle focus = platform.focusedControlOf(target);
    ScreenPoint pointer = platform.cursorPos();
    platform.showCursor(false);
    platform.setCursorPos(at);
    InputSink& input = platform.input();
    input.wait(1);
    input.mouseButton(MouseButton::Left, false);
    input.mouseButton(MouseButton::Left, true);
    input.wait(1);
    platform.setCursorPos(pointer);
    platform.showCursor(true);
    platform.redrawNow(focus);
}
