// make_initial_data: writes the "+data.dat" the installer ships: the
// program's own save of a new store (no vocabularies, default settings).
// Usage: make_initial_data OUTFILE
#include "tools/StdioFileSystem.h"
#include "vocab/DataStore.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_initial_data OUTFILE\n");
        return 2;
    }
    StdioFileSystem files;
    const DataStore store;
    return store.save(files, argv[1]) ? 0 : 1;
}
