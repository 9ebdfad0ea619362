// ClipboardMark: the clipboard's content told by sequence number, or by owner
// and text.
#include "clipboard/ClipboardMark.h"

void ClipboardMark::remember(const ClipboardIdentity& identity) {
    present_ = true;
    hasText_ = false;
    identity_ = identity;
    text_.clear();
}

void ClipboardMark::remember(const ClipboardIdentity& identity, std::string text) {
    remember(identity);
    hasText_ = true;
    text_ = std::move(text);
}

bool ClipboardMark::stillHolds(const ClipboardIdentity& now,
                               const std::function<bool(std::string&)>& currentText) const {
    if (!present_)
        return false;
    if (now.hasSequence && identity_.hasSequence && now.sequence == identity_.sequence)
        return true;
    // Another program's copy makes that program the owner (or leaves none);
    // the text tells a new copy by the same owner.
    if (!hasText_ || now.owner != identity_.owner)
        return false;
    std::string text;
    return currentText(text) && text == text_;
}

bool ClipboardMark::stillHolds(ClipboardAccess& clipboard) const {
    return stillHolds(clipboard.identity(), [&clipboard](std::string& text) {
        return ReadClipboardText(clipboard, text);
    });
}
