// make_initial_data: writes the "+data.dat" the installer ships: the
// program's own save of a new store (no vocabularies, default settings).
// Usage: make_initial_data OUTFILE
#include "vocab/DataStore.h"
#include "vocab/StdioFileSystem.h"
#include "vocab/VocabPlatform.h"

#include <cstdio>

namespace {

// Only the file system is needed to save; nothing here has windows or icons.
class ToolPlatform : public VocabPlatform {
public:
    IconHandle shellIcon(const std::string&) override { return nullptr; }
    IconHandle extractIcon(const std::string&, int) override { return nullptr; }
    std::string windowTitle(WindowHandle) override { return std::string(); }
    void reportError(const char* text) override { std::fprintf(stderr, "%s\n", text); }
    FileSystem& files() override { return files_; }

private:
    StdioFileSystem files_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_initial_data OUTFILE\n");
        return 2;
    }
    ToolPlatform platform;
    setVocabPlatform(&platform);
    const DataStore store;
    return store.save(argv[1]) ? 0 : 1;
}
