// ClipboardKeeper: keeps the user's clipboard across a read. The capture
// needs the clipboard empty to see the document's copy arrive; the keeper
// saves what was there first and puts it back afterwards, unless something
// newer (a copy the user made meanwhile) has replaced the capture's data. A
// copy that the document's program makes late, after the capture asked it
// several times, is no such thing: the keeper undoes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The system clipboard as the keeper needs it.
class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    virtual bool open() = 0;
    virtual void close() = 0;
    // The formats on the open clipboard, in their order.
    virtual std::vector<uint32_t> formats() = 0;
    // A copy of a kept format's data in its flat form (ClipboardDataOf);
    // false when it cannot be had.
    virtual bool read(uint32_t format, std::string& bytes) = 0;
    virtual void empty() = 0;
    // Puts the data of a kept format, given in its flat form, on the open
    // clipboard as `format`.
    virtual void write(uint32_t format, const std::string& bytes) = 0;
    // The id of a registered format; 0 when the system refuses the name.
    virtual uint32_t registerFormat(const char* name) = 0;
    // The number of formats on the clipboard (it need not be open).
    virtual int countFormats() = 0;
    // A value that changes whenever the clipboard's content changes.
    virtual std::string changeMark() = 0;
    // The process of the window that owns the clipboard's content (the one
    // that emptied it last); 0 when no window does.
    virtual uint32_t ownerProcess() = 0;
};

// How a format's data is held, and so how it is copied out and put back.
// The flat forms: Memory the block's bytes; EnhancedMetafile the metafile's
// bits; MetafilePicture the picture's mapping mode, width and height (three
// 32-bit numbers) and the metafile's bits; Palette a LOGPALETTE; Bitmap a
// BITMAP header (without its pointer) and the bitmap's bits.
enum class ClipboardData { Memory, EnhancedMetafile, MetafilePicture, Palette, Bitmap, NotKept };

// Text, device-independent bitmaps, dropped-file lists, sound, every
// registered format and the drawings held by GDI handles are kept. Not kept:
// owner display (the owner paints it on request and is gone once the
// clipboard is emptied), the private range (only the owner knows what the
// handle is) and the private GDI-object range (the system deletes the object,
// whose kind only the owner knows).
ClipboardData ClipboardDataOf(uint32_t format);

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

    ClipboardAccess& clipboard_;
    std::vector<SavedFormat> saved_;
    std::string markLeft_;
    uint32_t documentProcess_ = 0;
    int pendingCopies_ = 0;
    bool pending_ = false;
    bool noted_ = false;
};
