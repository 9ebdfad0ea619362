// Win32FileSystem: the data file's file operations through kernel32.
#pragma once

#include "vocab/datafile/FileSystem.h"

#include <cstddef>

// How reading a whole file ended.
enum class WholeFileRead { Read, Unreadable, Folder, TooLarge, NoRoom };

// The one reader of a whole file, for the data file and for keyword imports.
// Other programs may hold the file open, for reading or writing. A folder is
// refused, and so is a file over `maxBytes` or larger than the memory left:
// the programs are built without exceptions, where a failed allocation ends
// them.
WholeFileRead readWholeFile(const std::string& path, size_t maxBytes, std::string& bytes);

class Win32FileSystem : public FileSystem {
public:
    bool exists(const std::string& path) override;
    bool isReadOnly(const std::string& path) override;
    bool readWholeFile(const std::string& path, std::string& bytes) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    // MoveFileExA where the system has it; Unsupported on Windows 95/98,
    // whose MoveFileExA only fails with ERROR_CALL_NOT_IMPLEMENTED.
    ReplaceResult replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
};
