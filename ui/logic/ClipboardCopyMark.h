// ClipboardCopyMark: remembers what the program itself last put on the
// system clipboard, so that "&Paste" can tell its own copy (pasted from the
// keyword clipboard, modes and texts exact) from text copied elsewhere.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The clipboard's identity at one moment, as the system tells it.
struct ClipboardIdentity {
    bool hasSequence = false; // GetClipboardSequenceNumber is missing on 95/NT 4
    uint32_t sequence = 0;
    uintptr_t owner = 0;
};

class ClipboardCopyMark {
public:
    void remember(const ClipboardIdentity& identity, std::string text);
    // True while the clipboard holds the remembered copy: the same sequence
    // number, or else the same owner and the same text. Reading the
    // clipboard does not count as a change, whichever way the system
    // numbers its conversions. `currentText` is asked only when needed.
    bool holdsOwnCopy(const ClipboardIdentity& now,
                      const std::function<std::string()>& currentText) const;

private:
    bool present_ = false;
    ClipboardIdentity identity_;
    std::string text_;
};
