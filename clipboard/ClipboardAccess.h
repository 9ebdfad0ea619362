// ClipboardAccess: the system clipboard as the program uses it, and the
// session that opens it and always closes it again. The read's keeper, the
// capture and the Keywords page all go through these two.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Who and what the clipboard holds at one moment, as the system tells it
// without opening the clipboard.
struct ClipboardIdentity {
    bool hasSequence = false; // the sequence number is missing on Windows 95 and NT 4
    uint32_t sequence = 0;
    uintptr_t owner = 0; // the window that emptied the clipboard last; 0 for none
};

class ClipboardSession;

class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
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
    // The clipboard's identity now (it need not be open).
    virtual ClipboardIdentity identity() = 0;
    // The process of the window that owns the clipboard's content (the one
    // that emptied it last); 0 when no window does.
    virtual uint32_t ownerProcess() = 0;

private:
    // Only a session opens and closes: a clipboard left open by a forgotten
    // close blocks every other program's copy.
    friend class ClipboardSession;
    virtual bool open() = 0;
    virtual void close() = 0;
};

// The clipboard open for as long as the session lives; false when it could
// not be opened, and then nothing is closed.
class ClipboardSession {
public:
    explicit ClipboardSession(ClipboardAccess& clipboard)
        : clipboard_(clipboard), open_(clipboard.open()) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_)
            clipboard_.close();
    }
    explicit operator bool() const { return open_; }

private:
    ClipboardAccess& clipboard_;
    bool open_;
};

// The clipboard's CF_TEXT up to its terminating NUL, read in a session of its
// own; empty when it holds none. False when the clipboard cannot be opened.
bool ReadClipboardText(ClipboardAccess& clipboard, std::string& text);
