// ClipboardKeeper: saving the clipboard before a capture and restoring it.
#include "reading/ClipboardKeeper.h"

namespace {

// Standard clipboard format numbers.
constexpr uint32_t kText = 1;
constexpr uint32_t kBitmap = 2;
constexpr uint32_t kMetafilePicture = 3;
constexpr uint32_t kSylk = 4;
constexpr uint32_t kDif = 5;
constexpr uint32_t kTiff = 6;
constexpr uint32_t kOemText = 7;
constexpr uint32_t kDib = 8;
constexpr uint32_t kPalette = 9;
constexpr uint32_t kPenData = 10;
constexpr uint32_t kRiff = 11;
constexpr uint32_t kWave = 12;
constexpr uint32_t kUnicodeText = 13;
constexpr uint32_t kEnhancedMetafile = 14;
constexpr uint32_t kHdrop = 15;
constexpr uint32_t kLocale = 16;
constexpr uint32_t kDibV5 = 17;
constexpr uint32_t kDisplayText = 0x81;
constexpr uint32_t kDisplayBitmap = 0x82;
constexpr uint32_t kDisplayMetafilePicture = 0x83;
constexpr uint32_t kDisplayEnhancedMetafile = 0x8E;
constexpr uint32_t kFirstRegistered = 0xC000;
constexpr uint32_t kLastRegistered = 0xFFFF;

} // namespace

ClipboardData ClipboardDataOf(uint32_t format) {
    switch (format) {
    case kText:
    case kSylk:
    case kDif:
    case kTiff:
    case kOemText:
    case kDib:
    case kPenData:
    case kRiff:
    case kWave:
    case kUnicodeText:
    case kHdrop:
    case kLocale:
    case kDibV5:
    case kDisplayText:
        return ClipboardData::Memory;
    case kBitmap:
    case kDisplayBitmap:
        return ClipboardData::Bitmap;
    case kMetafilePicture:
    case kDisplayMetafilePicture:
        return ClipboardData::MetafilePicture;
    case kPalette:
        return ClipboardData::Palette;
    case kEnhancedMetafile:
    case kDisplayEnhancedMetafile:
        return ClipboardData::EnhancedMetafile;
    default:
        return format >= kFirstRegistered && format <= kLastRegistered ? ClipboardData::Memory
                                                                       : ClipboardData::NotKept;
    }
}

bool ClipboardKeeper::saveAndEmpty() {
    if (!clipboard_.open())
        return false;
    saved_.clear();
    bool bitmap = false;
    for (uint32_t format : clipboard_.formats()) {
        if (format == kBitmap)
            bitmap = true;
        else if (ClipboardDataOf(format) != ClipboardData::NotKept)
            save(format);
    }
    // The system makes the bitmap again from a device-independent form, which
    // holds the same picture; only a bitmap without one is kept itself.
    if (bitmap && !holds(kDib) && !holds(kDibV5))
        save(kBitmap);
    clipboard_.empty();
    clipboard_.close();
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
    markLeft_ = clipboard_.changeMark();
    documentProcess_ = documentProcess;
    pendingCopies_ = pendingCopies;
    noted_ = true;
}

bool ClipboardKeeper::restore() {
    if (!pending_ || !noted_)
        return false;
    pending_ = false;
    bool late = clipboard_.changeMark() != markLeft_;
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
    std::string mark = clipboard_.changeMark();
    // After the restore this program owns the clipboard; the system's own
    // conversions for a reader may count as changes and leave it so.
    const uint32_t ours = clipboard_.ownerProcess();
    uint32_t since = clock.now();
    while (pendingCopies_ > 0 && clock.now() - since < kLateCopyWatchMs) {
        clock.wait(kLateCopyPollMs);
        std::string now = clipboard_.changeMark();
        if (now == mark)
            continue;
        if (ours != 0 && clipboard_.ownerProcess() == ours) {
            mark = now;
            continue;
        }
        if (!changedByDocument() || !putBack())
            break;
        --pendingCopies_;
        mark = clipboard_.changeMark();
        since = clock.now();
    }
    forget();
}

bool ClipboardKeeper::putBack() {
    if (!clipboard_.open())
        return false;
    clipboard_.empty();
    for (const SavedFormat& copy : saved_)
        clipboard_.write(copy.format, copy.bytes);
    if (!saved_.empty())
        writeHistoryMarks();
    clipboard_.close();
    return true;
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
