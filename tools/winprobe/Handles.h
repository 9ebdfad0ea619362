// Move-only owners for the handles the probe opens: processes, remote memory, the clipboard.
#pragma once

#include "ProbeWindows.h"

#include <cstddef>
#include <utility>

class ProcessHandle {
public:
    ProcessHandle(DWORD pid, DWORD access) : handle_(OpenProcess(access, FALSE, pid)) {}
    ProcessHandle(ProcessHandle&& other) : handle_(std::exchange(other.handle_, nullptr)) {}
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    ~ProcessHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_;
};

// Memory inside another process, for control messages whose parameters are pointers
// that the system does not carry across processes (list views, tab controls, WM_NOTIFY).
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    // The address as the other process sees it, plus an offset into the buffer.
    LPARAM at(size_t offset = 0) const;
    void write(const void* data, size_t size, size_t offset = 0);
    void read(void* data, size_t size, size_t offset = 0) const;

private:
    ProcessHandle process_;
    void* address_ = nullptr;
};

// Opens the clipboard for the probe's own window and closes it on every path.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner);
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() { CloseClipboard(); }
};

// Global memory handed to SetClipboardData; released here only if it was never handed over.
class GlobalMemory {
public:
    GlobalMemory(const void* data, size_t size);
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    ~GlobalMemory() {
        if (handle_)
            GlobalFree(handle_);
    }
    HGLOBAL get() const { return handle_; }
    HGLOBAL detach() { return std::exchange(handle_, nullptr); }

private:
    HGLOBAL handle_;
};
