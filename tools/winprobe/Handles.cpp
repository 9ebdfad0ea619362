// Remote memory, clipboard session and global memory owners.
#include "Handles.h"
#include "Protocol.h"

#include <cstring>

namespace {

DWORD windowProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

const DWORD kRemoteAccess =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;

} // namespace

RemoteBuffer::RemoteBuffer(HWND owner, size_t size)
    : process_(windowProcess(owner), kRemoteAccess) {
    if (!process_)
        throw ProbeError("cannot open the window's process");
    address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!address_)
        throw ProbeError("cannot allocate memory in the window's process");
}

RemoteBuffer::~RemoteBuffer() {
    VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

LPARAM RemoteBuffer::at(size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

void RemoteBuffer::write(const void* data, size_t size, size_t offset) {
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size,
                            &done))
        throw ProbeError("cannot write the window's process memory");
}

void RemoteBuffer::read(void* data, size_t size, size_t offset) const {
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size,
                           &done))
        throw ProbeError("cannot read the window's process memory");
}

ClipboardSession::ClipboardSession(HWND owner) {
    // Another program may hold the clipboard for a moment (a capture in progress).
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner))
            return;
        Sleep(20);
    }
    throw ProbeError("cannot open the clipboard");
}

GlobalMemory::GlobalMemory(const void* data, size_t size)
    : handle_(GlobalAlloc(GMEM_MOVEABLE, size ? size : 1)) {
    if (!handle_)
        throw ProbeError("out of memory");
    void* target = GlobalLock(handle_);
    if (size)
        std::memcpy(target, data, size);
    GlobalUnlock(handle_);
}
