// load_fuzzer: any bytes given as data.dat either load or are refused with
// the message and a store left as new; whatever loads saves to the bytes it
// was read from (reservedWord zeroed, trailing bytes dropped) and reloads.
#include "../vocab/MemoryFileSystem.h"
#include "vocab/DataFile.h"
#include "vocab/DataStore.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FuzzPlatform : public VocabPlatform {
public:
    IconHandle shellIcon(const std::string&) override { return nullptr; }
    IconHandle extractIcon(const std::string&, int) override { return nullptr; }
    std::string windowTitle(WindowHandle) override { return {}; }
    void reportError(const char*) override { ++errors; }
    FileSystem& files() override { return disk; }

    MemoryFileSystem disk;
    int errors = 0;
};

std::string encode(const DataStore& store) {
    DataWriter writer;
    encodeDataFile(store, writer);
    return writer.bytes();
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzPlatform platform;
    static const std::string newStore = encode(DataStore());
    setVocabPlatform(&platform);
    const std::string input(reinterpret_cast<const char*>(data), size);
    platform.disk.files = {{"data.dat", input}};
    platform.errors = 0;

    DataStore store;
    if (!store.load("data.dat")) {
        require(platform.errors == 1 && encode(store) == newStore);
        return 0;
    }
    require(platform.errors == 0 && store.save("data.dat"));
    const std::string saved = platform.disk.files["data.dat"];
    std::string expected = input.substr(0, saved.size());
    expected.replace(4, 4, 4, '\0');
    require(saved == expected && platform.disk.files.size() == 1);

    DataStore again;
    require(again.load("data.dat") && encode(again) == saved);
    return 0;
}
