// ClipboardKeeper: saving the clipboard before a capture and restoring it.
#include "reading/ClipboardKeeper.h"

#include "clipboard/ClipboardFormats.h"

bool ClipboardKeeper::saveAndEmpty() {
    ClipboardSession session(clipboard_);
    if (!session)
        return false;
    saved_.clear();
    bool bitmap = false;
    for (uint32_t format : clipboard_.formats()) {
        if (format == kClipboardBitmap)
            bitmap = true;
        else if (ClipboardDataOf(format) != ClipboardData::NotKept)
            save(format);
    }
    // The system makes the bitmap again from a device-independent form, which
    // holds the same picture; only a bitmap without one is kept itself.
    if (bitmap && !holds(kClipboardDib) && !holds(kClipboardDibV5))
        save(kClipboardBitmap);
    clipboard_.empty();
    pending_ = true;
    noted_ = false;
    return true;
}

void ClipboardKeeper::save(uint32_t format) {
    SavedFormat copy{format, {}};
    if (clipboard_.read(format, copy.bytes))
        saved_.push_back(std::move(copy));
}

bool ClipboardKeeper::holds(uint32_t format) const {
    for (const SavedFormat& copy : saved_)
        if (copy.format == format)
            return true;
    return false;
}

void ClipboardKeeper::noteCaptureLeft(uint32_t documentProcess, int pendingCopies) {
    if (!pending_)
        return;
    markLeft_ = markNow();
    documentProcess_ = documentProcess;
    pendingCopies_ = pendingCopies;
    noted_ = true;
}

bool ClipboardKeeper::restore() {
    if (!pending_ || !noted_)
        return false;
    pending_ = false;
    bool late = !markLeft_.stillHolds(clipboard_);
    if ((late && !changedByDocument()) || !putBack()) {
        forget();
        return false;
    }
    if (late && pendingCopies_ > 0)
        --pendingCopies_;
    if (pendingCopies_ == 0)
        forget();
    return true;
}

void ClipboardKeeper::forget() {
    pendingCopies_ = 0;
    saved_.clear();
}

// The clipboard's owner tells who copied: a copy of the document's program
// answers the capture, late; anything else is the user's and stays.
bool ClipboardKeeper::changedByDocument() {
    return documentProcess_ != 0 && clipboard_.ownerProcess() == documentProcess_;
}

void ClipboardKeeper::watchForLateCopies(WatchClock& clock) {
    ClipboardMark mark = markNow();
    // After the restore this program owns the clipboard; the system's own
    // conversions for a reader may count as changes and leave it so.
    const uint32_t ours = clipboard_.ownerProcess();
    uint32_t since = clock.now();
    while (pendingCopies_ > 0 && clock.now() - since < kLateCopyWatchMs) {
        clock.wait(kLateCopyPollMs);
        if (mark.stillHolds(clipboard_))
            continue;
        if (ours != 0 && clipboard_.ownerProcess() == ours) {
            mark = markNow();
            continue;
        }
        if (!changedByDocument() || !putBack())
            break;
        --pendingCopies_;
        mark = markNow();
        since = clock.now();
    }
    forget();
}

bool ClipboardKeeper::putBack() {
    ClipboardSession session(clipboard_);
    if (!session)
        return false;
    clipboard_.empty();
    for (const SavedFormat& copy : saved_)
        clipboard_.write(copy.format, copy.bytes);
    if (!saved_.empty())
        writeHistoryMarks();
    return true;
}

// Where the system numbers the clipboard's contents, the number alone tells:
// a second copy of the document's text, which may be large, is not worth
// keeping for the comparison. Without numbers the owner and the text tell.
ClipboardMark ClipboardKeeper::markNow() {
    ClipboardMark mark;
    ClipboardIdentity identity = clipboard_.identity();
    std::string text;
    if (!identity.hasSequence && ReadClipboardText(clipboard_, text))
        mark.remember(identity, std::move(text));
    else
        mark.remember(identity);
    return mark;
}

// The data put back is the user's own, not a new copy: clipboard monitors
// and the clipboard history are asked to leave it alone.
void ClipboardKeeper::writeHistoryMarks() {
    if (uint32_t exclude =
            clipboard_.registerFormat("ExcludeClipboardContentFromMonitorProcessing"))
        clipboard_.write(exclude, std::string(1, '\0'));
    if (uint32_t history = clipboard_.registerFormat("CanIncludeInClipboardHistory"))
        clipboard_.write(history, std::string(4, '\0'));
}
