// ClipboardCopyMark: the program's own copy told from other programs' text.
#include "ui/logic/ClipboardCopyMark.h"

void ClipboardCopyMark::remember(const ClipboardIdentity& identity, std::string text) {
    present_ = true;
    identity_ = identity;
    text_ = std::move(text);
}

bool ClipboardCopyMark::holdsOwnCopy(const ClipboardIdentity& now,
                                     const std::function<std::string()>& currentText) const {
    if (!present_)
        return false;
    if (now.hasSequence && identity_.hasSequence && now.sequence == identity_.sequence)
        return true;
    // Another program's copy makes that program the owner; the text check
    // catches a copy made without an owner window.
    return now.owner != 0 && now.owner == identity_.owner && currentText() == text_;
}
