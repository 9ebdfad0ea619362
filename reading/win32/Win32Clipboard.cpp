// The system clipboard: formats copied out as memory or drawings and put back.
#include "reading/win32/Win32Clipboard.h"

#include "reading/win32/ClipboardDrawings.h"
#include "reading/win32/PumpingWait.h"
#include "toolkit/Handles.h"
#include "vocab/MemoryRoom.h"

#include <cstring>

namespace {

constexpr int kOpenTries = 5;
constexpr DWORD kOpenRetryMs = 10;

using SequenceNumberFunction = DWORD(WINAPI*)();

// GetClipboardSequenceNumber exists from Windows 98 and NT 5 on; Windows 95
// and NT 4 lack it, so it is looked up at run time.
SequenceNumberFunction SequenceNumberSource() {
    HMODULE user = GetModuleHandleA("user32.dll");
    return user ? reinterpret_cast<SequenceNumberFunction>(
                      reinterpret_cast<void*>(GetProcAddress(user, "GetClipboardSequenceNumber")))
                : nullptr;
}

} // namespace

// The application that just copied may still hold the clipboard open.
bool Win32Clipboard::open() {
    for (int i = 0; i < kOpenTries; ++i) {
        if (OpenClipboard(owner_))
            return true;
        PumpingWait(kOpenRetryMs);
    }
    return false;
}

std::vector<uint32_t> Win32Clipboard::formats() {
    std::vector<uint32_t> result;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        result.push_back(format);
    return result;
}

bool Win32Clipboard::read(uint32_t format, std::string& bytes) {
    HANDLE data = GetClipboardData(format);
    ClipboardData kind = ClipboardDataOf(format);
    if (data && kind != ClipboardData::Memory && kind != ClipboardData::NotKept)
        return ReadDrawing(kind, data, bytes);
    SIZE_T size = data ? GlobalSize(data) : 0;
    if (size == 0 || !roomFor(size))
        return false;
    const void* memory = GlobalLock(data);
    if (!memory)
        return false;
    bytes.assign(static_cast<const char*>(memory), size);
    GlobalUnlock(data);
    return true;
}

void Win32Clipboard::write(uint32_t format, const std::string& bytes) {
    ClipboardData kind = ClipboardDataOf(format);
    if (kind != ClipboardData::Memory && kind != ClipboardData::NotKept) {
        WriteDrawing(format, kind, bytes);
        return;
    }
    GlobalMemory memory(
        GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.empty() ? 1 : bytes.size()));
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (!target)
        return;
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory.get());
    // The system owns the memory once it has taken it.
    if (SetClipboardData(format, memory.get()))
        memory.release();
}

// Without a sequence number, the owner and the text stand for the content.
std::string Win32Clipboard::changeMark() {
    DWORD sequence = 0;
    if (ClipboardSequenceNumber(sequence))
        return "#" + std::to_string(sequence);
    std::string mark = "@" + std::to_string(reinterpret_cast<uintptr_t>(GetClipboardOwner())) + ":";
    if (!open())
        return mark + "unreadable " + std::to_string(GetTickCount());
    std::string text;
    read(CF_TEXT, text);
    close();
    return mark + text;
}

void PumpingClock::wait(unsigned ms) {
    PumpingWait(ms);
}

uint32_t Win32Clipboard::ownerProcess() {
    DWORD process = 0;
    if (HWND owner = GetClipboardOwner())
        GetWindowThreadProcessId(owner, &process);
    return process;
}

bool ClipboardSequenceNumber(DWORD& number) {
    static const SequenceNumberFunction sequenceNumber = SequenceNumberSource();
    if (!sequenceNumber)
        return false;
    number = sequenceNumber();
    return true;
}
