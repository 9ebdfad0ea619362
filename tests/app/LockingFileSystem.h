// LockingFileSystem: files another program holds open without sharing (a
// backup or a virus scanner): they exist, but cannot be read, written,
// renamed or replaced.
#pragma once

#include "tests/vocab/datafile/MemoryFileSystem.h"

#include <set>

class LockingFileSystem : public MemoryFileSystem {
public:
    std::set<std::string> locked;

    bool readWholeFile(const std::string& path, std::string& bytes) override {
        return !locked.count(path) && MemoryFileSystem::readWholeFile(path, bytes);
    }
    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override {
        return locked.count(path) ? nullptr : MemoryFileSystem::openForWrite(path);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return !locked.count(from) && MemoryFileSystem::rename(from, to);
    }
    ReplaceResult replace(const std::string& from, const std::string& to) override {
        if (locked.count(from) || locked.count(to)) {
            return ReplaceResult::Failed;
        }
        return MemoryFileSystem::replace(from, to);
    }
    bool remove(const std::string& path) override {
        return !locked.count(path) && MemoryFileSystem::remove(path);
    }
};
