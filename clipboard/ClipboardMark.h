// ClipboardMark: remembers what the clipboard held at one moment and tells
// whether it still holds it. The one rule for "is the clipboard still what
// was left there": the read's keeper asks it of what the capture left, the
// Keywords page's Paste of its own copy.
#pragma once

#include "clipboard/ClipboardAccess.h"

#include <functional>
#include <string>

class ClipboardMark {
public:
    // Remembers the clipboard by its identity alone: without a text, a
    // changed or missing sequence number counts as a change.
    void remember(const ClipboardIdentity& identity);
    // Remembers it by its identity and its text (CF_TEXT up to its NUL).
    void remember(const ClipboardIdentity& identity, std::string text);
    // True while the clipboard, whose identity is `now`, holds what was
    // remembered: the same sequence number, or else the same owner and the
    // same text. Reading the clipboard does not count as a change, whichever
    // way the system numbers its conversions. `currentText` is asked only
    // when needed; its false (the clipboard cannot be read) is a change.
    bool stillHolds(const ClipboardIdentity& now,
                    const std::function<bool(std::string&)>& currentText) const;
    // The same, asked of the clipboard itself.
    bool stillHolds(ClipboardAccess& clipboard) const;

private:
    bool present_ = false;
    bool hasText_ = false;
    ClipboardIdentity identity_;
    std::string text_;
};
