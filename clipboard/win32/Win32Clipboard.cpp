// The system clipboard: formats copied out as memory or drawings and put back.
#include "clipboard/win32/Win32Clipboard.h"

#include "clipboard/ClipboardFormats.h"
#include "clipboard/win32/ClipboardDrawings.h"
#include "clipboard/win32/LockedMemory.h"
#include "toolkit/Handles.h"
#include "toolkit/PumpingWait.h"
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

size_t Win32Clipboard::sizeOf(uint32_t format) const {
    HANDLE data = GetClipboardData(format);
    return data ? GlobalSize(data) : 0;
}

bool Win32Clipboard::read(uint32_t format, std::string& bytes) {
    HANDLE data = GetClipboardData(format);
    ClipboardData kind = ClipboardDataOf(format);
    if (data && kind != ClipboardData::Memory && kind != ClipboardData::NotKept)
        return ReadDrawing(kind, data, bytes);
    SIZE_T size = data ? GlobalSize(data) : 0;
    if (size == 0 || !roomFor(size))
        return false;
    LockedMemory memory(data);
    if (!memory)
        return false;
    bytes.assign(memory.as<const char>(), size);
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
    if (!memory)
        return;
    {
        LockedMemory target(memory.get());
        if (!target)
            return;
        std::memcpy(target.as(), bytes.data(), bytes.size());
    }
    // The system owns the memory once it has taken it.
    if (SetClipboardData(format, memory.get()))
        memory.release();
}

ClipboardIdentity Win32Clipboard::identity() {
    static const SequenceNumberFunction sequenceNumber = SequenceNumberSource();
    ClipboardIdentity identity;
    identity.hasSequence = sequenceNumber != nullptr;
    identity.sequence = sequenceNumber ? sequenceNumber() : 0;
    identity.owner = reinterpret_cast<uintptr_t>(GetClipboardOwner());
    return identity;
}

uint32_t Win32Clipboard::ownerProcess() {
    DWORD process = 0;
    if (HWND owner = GetClipboardOwner())
        GetWindowThreadProcessId(owner, &process);
    return process;
}
