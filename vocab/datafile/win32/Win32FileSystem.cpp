// Win32FileSystem: CreateFileA, ReadFile/WriteFile, FlushFileBuffers and
// MoveFileExA, with the Windows 95/98 case told apart.
#include "vocab/datafile/win32/Win32FileSystem.h"

#include "vocab/MemoryRoom.h"

#include <windows.h>

namespace {

// Owns a file handle; closes it unless close() already did.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle != INVALID_HANDLE_VALUE && CloseHandle(handle);
    }

private:
    HANDLE handle_;
};

class Win32OutputFile : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE handle) : file_(handle) {}

    bool write(const void* bytes, size_t size) override {
        const char* next = static_cast<const char*>(bytes);
        while (size > 0) {
            DWORD written = 0;
            const DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
            if (!WriteFile(file_.get(), next, chunk, &written, nullptr) || written == 0) {
                return false;
            }
            next += written;
            size -= written;
        }
        return true;
    }
    bool flush() override { return FlushFileBuffers(file_.get()) != 0; }
    bool close() override { return file_.close(); }

private:
    FileHandle file_;
};

bool isWindows9x() {
    // The high bit of GetVersion is set on Windows 95, 98 and Me.
    return (GetVersion() & 0x80000000u) != 0;
}

} // namespace

WholeFileRead readWholeFile(const std::string& path, size_t maxBytes, std::string& bytes) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return WholeFileRead::Folder;
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return WholeFileRead::Unreadable;
    }
    DWORD high = 0;
    const DWORD size = GetFileSize(file.get(), &high);
    // INVALID_FILE_SIZE is also the low half of a size that really ends so.
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        return WholeFileRead::Unreadable;
    }
    if (high != 0 || size > maxBytes) {
        return WholeFileRead::TooLarge;
    }
    if (!roomFor(size)) {
        return WholeFileRead::NoRoom;
    }
    bytes.resize(size);
    DWORD done = 0;
    while (done < size) {
        DWORD got = 0;
        if (!ReadFile(file.get(), &bytes[done], size - done, &got, nullptr) || got == 0) {
            return WholeFileRead::Unreadable;
        }
        done += got;
    }
    return WholeFileRead::Read;
}

bool Win32FileSystem::exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::isReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool Win32FileSystem::readWholeFile(const std::string& path, std::string& bytes) {
    return ::readWholeFile(path, static_cast<size_t>(-1), bytes) == WholeFileRead::Read;
}

std::unique_ptr<OutputFile> Win32FileSystem::openForWrite(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32OutputFile>(handle);
}

bool Win32FileSystem::rename(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

ReplaceResult Win32FileSystem::replace(const std::string& from, const std::string& to) {
    if (isWindows9x()) {
        return ReplaceResult::Unsupported;
    }
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ReplaceResult::Done;
    }
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? ReplaceResult::Unsupported
                                                        : ReplaceResult::Failed;
}

bool Win32FileSystem::remove(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}
