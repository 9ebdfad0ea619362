// ClipboardKeeper: keeps the user's clipboard across a read. The capture
// needs the clipboard empty to see the document's copy arrive; the keeper
// saves what was there first and puts it back afterwards, unless something
// newer (a copy the user made meanwhile) has replaced the capture's data. A
// copy that the document's program makes late, after the capture asked it
// several times, is no such thing: the keeper undoes it.
#pragma once

#include "clipboard/ClipboardAccess.h"
#include "clipboard/ClipboardMark.h"

#include <cstdint>
#include <string>
#include <vector>

// The clock of the keeper's watch for late copies.
class WatchClock {
public:
    virtual ~WatchClock() = default;
    virtual uint32_t now() = 0;
    // A wait that keeps the program's messages flowing.
    virtual void wait(unsigned ms) = 0;
};

// How long a late copy is watched for after the user's data went back.
constexpr unsigned kLateCopyWatchMs = 1000;
constexpr unsigned kLateCopyPollMs = 20;

class ClipboardKeeper {
public:
    explicit ClipboardKeeper(ClipboardAccess& clipboard) : clipboard_(clipboard) {}

    // Saves every kept format and empties the clipboard; false, with
    // nothing changed, when the clipboard cannot be opened.
    bool saveAndEmpty();
    // Records what the capture left on the clipboard. `documentProcess` is
    // the process of the program read; `pendingCopies` how many of the
    // capture's copy requests it may still answer.
    void noteCaptureLeft(uint32_t documentProcess = 0, int pendingCopies = 0);
    // Puts the saved data back if the clipboard still holds what the capture
    // left, or what the document's program copied since; the restored data is
    // marked so that clipboard-history tools may skip it. Does nothing without
    // a save and a note, and only once.
    bool restore();
    // After a restore that put data back while copies were pending: for
    // kLateCopyWatchMs, and again after each late copy undone (at most one per
    // pending copy), puts the user's data back each time the document's
    // program replaces it. The first change made by any other program ends
    // the watch and stays.
    void watchForLateCopies(WatchClock& clock);

private:
    struct SavedFormat {
        uint32_t format;
        std::string bytes;
    };

    void save(uint32_t format);
    bool holds(uint32_t format) const;
    bool changedByDocument();
    bool putBack();
    void forget();
    void writeHistoryMarks();
    ClipboardMark markNow();

    ClipboardAccess& clipboard_;
    std::vector<SavedFormat> saved_;
    ClipboardMark markLeft_;
    uint32_t documentProcess_ = 0;
    int pendingCopies_ = 0;
    bool pending_ = false;
    bool noted_ = false;
};
