// make_initial_data: writes the "+data.dat" the installer ships: the
// program's own save of a new store with one example vocabulary, so that a
// new user's first read finds something. Its words all stand on the
// quick-start page, which asks the user to drag the icon onto it.
// Usage: make_initial_data OUTFILE
#include "tools/StdioFileSystem.h"
#include "vocab/DataStore.h"

#include <cstdio>

namespace {

struct ExampleEntry {
    const char* text;
    int32_t mode;
};

// Words of the quick-start page (its source and the page as a browser
// shows it); a test holds the pages to them.
const ExampleEntry kExample[] = {
    {"magnifying glass", ExactPhrase},
    {"taskbar", AnyWord},
    {"keyword", AnyWord},
    {"Go to", ExactPhrase},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_initial_data OUTFILE\n");
        return 2;
    }
    StdioFileSystem files;
    DataStore store;
    Vocabulary* example = store.vocabularies.add();
    example->name = std::string_view("Quick start");
    example->setIcon("default", 0);
    for (const ExampleEntry& entry : kExample)
        example->addKeyword(entry.text, entry.mode);
    return store.save(files, argv[1]) ? 0 : 1;
}
