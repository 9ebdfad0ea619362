// FileSystem: the few file operations the data file needs, behind an
// interface so that saving can be tested with failures injected anywhere.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

// A file being written; closes itself (unflushed) if not closed explicitly.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    // True only when every byte was written.
    virtual bool write(const void* bytes, size_t size) = 0;
    // Pushes the written bytes to the disk, not just to the system's cache.
    virtual bool flush() = 0;
    virtual bool close() = 0;
};

enum class ReplaceResult {
    Done,
    Failed,
    // The system cannot replace a file in one step (Windows 95/98).
    Unsupported,
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) = 0;
    // True for an existing file that the user has made read-only.
    virtual bool isReadOnly(const std::string& path) = 0;
    // False when the file cannot be opened or read.
    virtual bool readWholeFile(const std::string& path, std::string& bytes) = 0;
    // Creates the file, or truncates it when it exists; none when it cannot.
    virtual std::unique_ptr<OutputFile> openForWrite(const std::string& path) = 0;
    // Moves `from` to `to`, which must not exist.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Moves `from` over `to` in one step, `to` existing or not.
    virtual ReplaceResult replace(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
};
