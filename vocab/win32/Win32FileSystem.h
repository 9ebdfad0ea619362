// Win32FileSystem: the data file's file operations through kernel32.
#pragma once

#include "vocab/FileSystem.h"

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
