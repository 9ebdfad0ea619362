// StdioFileSystem: files through <cstdio>.
#include "tools/StdioFileSystem.h"

#include <cstdio>

namespace {

class StdioOutputFile : public OutputFile {
public:
    explicit StdioOutputFile(std::FILE* file) : file_(file) {}
    StdioOutputFile(const StdioOutputFile&) = delete;
    StdioOutputFile& operator=(const StdioOutputFile&) = delete;
    ~StdioOutputFile() override { close(); }

    bool write(const void* bytes, size_t size) override {
        return file_ && std::fwrite(bytes, 1, size, file_) == size;
    }
    bool flush() override { return file_ && std::fflush(file_) == 0; }
    bool close() override {
        std::FILE* file = file_;
        file_ = nullptr;
        return file && std::fclose(file) == 0;
    }

private:
    std::FILE* file_;
};

} // namespace

bool StdioFileSystem::exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) {
        std::fclose(file);
    }
    return file != nullptr;
}

bool StdioFileSystem::isReadOnly(const std::string& path) {
    if (!exists(path)) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "r+b"); // opens without truncating
    if (file) {
        std::fclose(file);
    }
    return file == nullptr;
}

bool StdioFileSystem::readWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return false;
    }
    bytes.clear();
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

std::unique_ptr<OutputFile> StdioFileSystem::openForWrite(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return nullptr;
    }
    return std::make_unique<StdioOutputFile>(file);
}

bool StdioFileSystem::rename(const std::string& from, const std::string& to) {
    return !exists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

ReplaceResult StdioFileSystem::replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? ReplaceResult::Done : ReplaceResult::Failed;
}

bool StdioFileSystem::remove(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}
