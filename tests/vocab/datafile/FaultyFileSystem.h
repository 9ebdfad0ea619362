// FaultyFileSystem: a FileSystem over a MemoryFileSystem that fails its
// k-th operation (once, or from then on), or "crashes" after k operations
// by throwing, so that every point of a save can be tried.
#pragma once

#include "MemoryFileSystem.h"

struct Crash {};

class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(MemoryFileSystem& disk) : disk_(disk) {}

    int operations = 0;
    int failAt = 0; // the operation that fails, counted from 1; 0 for none
    bool failForGood = false;
    int crashAfter = -1; // operations done before the crash; -1 for none

    bool exists(const std::string& path) override { return step() && disk_.exists(path); }
    bool isReadOnly(const std::string& path) override { return step() && disk_.isReadOnly(path); }
    bool readWholeFile(const std::string& path, std::string& bytes) override {
        return step() && disk_.readWholeFile(path, bytes);
    }
    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override {
        if (!step()) {
            return nullptr;
        }
        return std::make_unique<File>(*this, disk_.openForWrite(path));
    }
    bool rename(const std::string& from, const std::string& to) override {
        return step() && disk_.rename(from, to);
    }
    ReplaceResult replace(const std::string& from, const std::string& to) override {
        return step() ? disk_.replace(from, to) : ReplaceResult::Failed;
    }
    bool remove(const std::string& path) override { return step() && disk_.remove(path); }

private:
    bool step() {
        ++operations;
        if (crashAfter >= 0 && operations > crashAfter) {
            throw Crash{};
        }
        return failAt == 0 || (failForGood ? operations < failAt : operations != failAt);
    }

    class File : public OutputFile {
    public:
        File(FaultyFileSystem& owner, std::unique_ptr<OutputFile> file)
            : owner_(owner), file_(std::move(file)) {}
        // A failed write still writes half, like a disk that fills up.
        bool write(const void* bytes, size_t size) override {
            if (owner_.step()) {
                return file_->write(bytes, size);
            }
            file_->write(bytes, size / 2);
            return false;
        }
        bool flush() override { return owner_.step() && file_->flush(); }
        bool close() override { return owner_.step() && file_->close(); }

    private:
        FaultyFileSystem& owner_;
        std::unique_ptr<OutputFile> file_;
    };

    MemoryFileSystem& disk_;
};
