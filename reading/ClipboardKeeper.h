// ClipboardKeeper: keeps the user's clipboard across a read. The capture
// needs the clipboard empty to see the document's copy arrive; the keeper
// saves what was there first and puts it back afterwards, unless something
// newer (a copy the user made meanwhile) has replaced the capture's data.
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
    // A copy of a memory format's bytes; false when it cannot be had.
    virtual bool read(uint32_t format, std::string& bytes) = 0;
    virtual void empty() = 0;
    // Puts a copy of the bytes on the open clipboard as `format`.
    virtual void write(uint32_t format, const std::string& bytes) = 0;
    // The id of a registered format; 0 when the system refuses the name.
    virtual uint32_t registerFormat(const char* name) = 0;
    // The number of formats on the clipboard (it need not be open).
    virtual int countFormats() = 0;
    // A value that changes whenever the clipboard's content changes.
    virtual std::string changeMark() = 0;
};

// Formats whose data is plain memory that can be copied and put back:
// text, locale, device-independent bitmaps, dropped-file lists, wave and
// the like, and every registered format. Formats held as GDI handles
// (bitmaps, palettes, metafiles) and private formats are not; the system
// regenerates the synthesized ones from the memory formats.
bool IsMemoryFormat(uint32_t format);

class ClipboardKeeper {
public:
    explicit ClipboardKeeper(ClipboardAccess& clipboard) : clipboard_(clipboard) {}

    // Saves every memory format and empties the clipboard; false, with
    // nothing changed, when the clipboard cannot be opened.
    bool saveAndEmpty();
    // Records what the capture left on the clipboard.
    void noteCaptureLeft();
    // Puts the saved data back if the clipboard still holds what the capture
    // left; the restored data is marked so that clipboard-history tools may
    // skip it. Does nothing without a save and a note, and only once.
    bool restore();

private:
    struct SavedFormat {
        uint32_t format;
        std::string bytes;
    };

    void writeHistoryMarks();

    ClipboardAccess& clipboard_;
    std::vector<SavedFormat> saved_;
    std::string markLeft_;
    bool pending_ = false;
    bool noted_ = false;
};
