// The system clipboard behind ClipboardAccess: the read's keeper and capture
// and the Keywords page's copy and paste all go through it.
#pragma once

#include "clipboard/ClipboardAccess.h"

#include <windows.h>

class Win32Clipboard : public ClipboardAccess {
public:
    // `owner` receives the clipboard after EmptyClipboard: a clipboard
    // opened without an owner refuses SetClipboardData.
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}

    std::vector<uint32_t> formats() override;
    bool read(uint32_t format, std::string& bytes) override;
    void empty() override { EmptyClipboard(); }
    void write(uint32_t format, const std::string& bytes) override;
    uint32_t registerFormat(const char* name) override { return RegisterClipboardFormatA(name); }
    int countFormats() override { return CountClipboardFormats(); }
    ClipboardIdentity identity() override;
    uint32_t ownerProcess() override;

    // Whether the clipboard offers `format`, as data or by the system's
    // conversion (it need not be open).
    bool offers(uint32_t format) const { return IsClipboardFormatAvailable(format) != 0; }
    // The size of the block that holds a memory format on the open
    // clipboard, before any of it is copied; 0 when there is none.
    size_t sizeOf(uint32_t format) const;

private:
    bool open() override;
    void close() override { CloseClipboard(); }

    HWND owner_;
};
