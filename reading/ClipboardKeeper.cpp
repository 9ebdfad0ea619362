// ClipboardKeeper: saving the clipboard before a capture and restoring it.
#include "reading/ClipboardKeeper.h"

namespace {

// Standard clipboard format numbers.
constexpr uint32_t kText = 1;
constexpr uint32_t kSylk = 4;
constexpr uint32_t kDif = 5;
constexpr uint32_t kTiff = 6;
constexpr uint32_t kOemText = 7;
constexpr uint32_t kDib = 8;
constexpr uint32_t kPenData = 10;
constexpr uint32_t kRiff = 11;
constexpr uint32_t kWave = 12;
constexpr uint32_t kUnicodeText = 13;
constexpr uint32_t kHdrop = 15;
constexpr uint32_t kLocale = 16;
constexpr uint32_t kDibV5 = 17;
constexpr uint32_t kDisplayText = 0x81;
constexpr uint32_t kFirstRegistered = 0xC000;
constexpr uint32_t kLastRegistered = 0xFFFF;

} // namespace

bool IsMemoryFormat(uint32_t format) {
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
        return true;
    default:
        return format >= kFirstRegistered && format <= kLastRegistered;
    }
}

bool ClipboardKeeper::saveAndEmpty() {
    if (!clipboard_.open())
        return false;
    saved_.clear();
    for (uint32_t format : clipboard_.formats()) {
        SavedFormat copy{format, {}};
        if (IsMemoryFormat(format) && clipboard_.read(format, copy.bytes))
            saved_.push_back(std::move(copy));
    }
    clipboard_.empty();
    clipboard_.close();
    pending_ = true;
    noted_ = false;
    return true;
}

void ClipboardKeeper::noteCaptureLeft() {
    if (!pending_)
        return;
    markLeft_ = clipboard_.changeMark();
    noted_ = true;
}

bool ClipboardKeeper::restore() {
    if (!pending_ || !noted_)
        return false;
    pending_ = false;
    if (clipboard_.changeMark() != markLeft_)
        return false;
    if (!clipboard_.open())
        return false;
    clipboard_.empty();
    for (const SavedFormat& copy : saved_)
        clipboard_.write(copy.format, copy.bytes);
    if (!saved_.empty())
        writeHistoryMarks();
    clipboard_.close();
    saved_.clear();
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
