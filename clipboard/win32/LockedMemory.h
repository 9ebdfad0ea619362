// LockedMemory: a global memory block locked for as long as the guard lives.
#pragma once

#include <windows.h>

class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory)
        : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory() {
        if (data_)
            GlobalUnlock(memory_);
    }

    // The block's bytes; null when it could not be locked.
    template <class T = void> T* as() const { return static_cast<T*>(data_); }
    explicit operator bool() const { return data_ != nullptr; }

private:
    HGLOBAL memory_;
    void* data_;
};
