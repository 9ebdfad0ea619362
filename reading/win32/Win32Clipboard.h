// The system clipboard behind ClipboardAccess, for the capture and the
// keeping of the user's clipboard.
#pragma once

#include "reading/ClipboardKeeper.h"

#include <windows.h>

class Win32Clipboard : public ClipboardAccess {
public:
    // `owner` receives the clipboard after EmptyClipboard: a clipboard
    // opened without an owner refuses SetClipboardData.
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}

    bool open() override;
    void close() override { CloseClipboard(); }
    std::vector<uint32_t> formats() override;
    bool read(uint32_t format, std::string& bytes) override;
    void empty() override { EmptyClipboard(); }
    void write(uint32_t format, const std::string& bytes) override;
    uint32_t registerFormat(const char* name) override { return RegisterClipboardFormatA(name); }
    int countFormats() override { return CountClipboardFormats(); }
    std::string changeMark() override;
    uint32_t ownerProcess() override;

private:
    HWND owner_;
};

// The watch for late copies runs on the tick count and keeps the messages
// flowing.
class PumpingClock : public WatchClock {
public:
    uint32_t now() override { return GetTickCount(); }
    void wait(unsigned ms) override;
};

// GetClipboardSequenceNumber where the system has it (Windows 98 and NT 5 on);
// false on Windows 95 and NT 4, which lack it.
bool ClipboardSequenceNumber(DWORD& number);
