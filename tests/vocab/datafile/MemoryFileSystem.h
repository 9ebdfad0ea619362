// MemoryFileSystem: files kept in a map, for tests and the fuzzer. Writes
// land in the file at once, so a save stopped midway leaves what a crashed
// program would leave.
#pragma once

#include "vocab/datafile/FileSystem.h"

#include <map>
#include <set>
#include <string>

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    // False acts like Windows 95/98, where a file cannot be replaced in one step.
    bool canReplace = true;
    std::set<std::string> readOnly;

    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool isReadOnly(const std::string& path) override {
        return exists(path) && readOnly.count(path) != 0;
    }

    bool readWholeFile(const std::string& path, std::string& bytes) override {
        auto found = files.find(path);
        if (found == files.end()) {
            return false;
        }
        bytes = found->second;
        return true;
    }

    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override {
        files[path].clear();
        return std::make_unique<File>(*this, path);
    }

    bool rename(const std::string& from, const std::string& to) override {
        if (!exists(from) || exists(to)) {
            return false;
        }
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }

    ReplaceResult replace(const std::string& from, const std::string& to) override {
        if (!canReplace) {
            return ReplaceResult::Unsupported;
        }
        if (!exists(from)) {
            return ReplaceResult::Failed;
        }
        files[to] = std::move(files[from]);
        files.erase(from);
        return ReplaceResult::Done;
    }

    bool remove(const std::string& path) override { return files.erase(path) != 0; }

private:
    class File : public OutputFile {
    public:
        File(MemoryFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        bool write(const void* bytes, size_t size) override {
            owner_.files[path_].append(static_cast<const char*>(bytes), size);
            return true;
        }
        bool flush() override { return true; }
        bool close() override { return true; }

    private:
        MemoryFileSystem& owner_;
        std::string path_;
    };
};
