// StdioFileSystem: the FileSystem over the C library, for the tool that
// writes the initial data file; rename replaces the way POSIX rename does.
#pragma once

#include "vocab/datafile/FileSystem.h"

class StdioFileSystem : public FileSystem {
public:
    bool exists(const std::string& path) override;
    bool isReadOnly(const std::string& path) override;
    bool readWholeFile(const std::string& path, std::string& bytes) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    ReplaceResult replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
};
