// load_fuzzer: any bytes given as data.dat either load or are refused
// (which the caller reports) with a store left as new; whatever loads saves to the bytes it
// was read from (reservedWord zeroed, trailing bytes dropped) and reloads.
#include "tests/Fixtures.h"
#include "tests/vocab/datafile/MemoryFileSystem.h"
#include "vocab/DataStore.h"
#include "vocab/datafile/DataFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string newStore = encode(DataStore());
    const std::string input(reinterpret_cast<const char*>(data), size);
    MemoryFileSystem disk;
    disk.files = {{"data.dat", input}};

    DataStore store;
    const LoadOutcome outcome = store.load(disk, "data.dat");
    if (outcome != LoadOutcome::Loaded) {
        require(outcome == LoadOutcome::Refused && encode(store) == newStore);
        return 0;
    }
    require(store.save(disk, "data.dat"));
    const std::string saved = disk.files["data.dat"];
    std::string expected = input.substr(0, saved.size());
    expected.replace(4, 4, 4, '\0');
    require(saved == expected && disk.files.size() == 1);

    DataStore again;
    require(again.load(disk, "data.dat") == LoadOutcome::Loaded && encode(again) == saved);
    return 0;
}
