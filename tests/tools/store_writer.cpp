// zf_store_writer: builds a DataStore through the model API from a line
// script and saves it, so that end-to-end tests can compare the program's
// data.dat with what the same edits give natively.
//
// Script lines (fields separated by tabs), applied in order to a new store:
//   vocab     name  iconFile  iconIndex   a new vocabulary after the last
//   entry     text  mode                  a keyword of the last vocabulary
//   found     path                        the "Keyword found" sound file
//   notfound  path                        the "Keyword not found" sound file
//   play      found01  notfound01         the two sound switches
//   selectall title  sequence             a window-specific select-all pair
//   goto      title  sequence             a window-specific Find pair
#include "vocab/DataStore.h"
#include "vocab/StdioFileSystem.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

bool addVocabulary(DataStore& store, const std::vector<std::string>& f) {
    Vocabulary* vocabulary = f.size() == 4 ? store.vocabularies.add() : nullptr;
    if (!vocabulary)
        return false;
    vocabulary->name = f[1];
    vocabulary->setIcon(f[2], std::stoi(f[3]));
    return true;
}

bool addEntry(DataStore& store, const std::vector<std::string>& f) {
    int32_t count = store.vocabularies.count();
    if (f.size() != 3 || count == 0)
        return false;
    return store.vocabularies.at(count - 1)->addKeyword(f[1], std::stoi(f[2])) != nullptr;
}

bool applyLine(DataStore& store, const std::vector<std::string>& f) {
    const std::string& verb = f[0];
    if (verb == "vocab")
        return addVocabulary(store, f);
    if (verb == "entry")
        return addEntry(store, f);
    if ((verb == "found" || verb == "notfound") && f.size() == 2) {
        (verb == "found" ? store.foundSoundFile : store.notFoundSoundFile) = f[1];
        return true;
    }
    if (verb == "play" && f.size() == 3) {
        store.playFoundSound = std::stoi(f[1]);
        store.playNotFoundSound = std::stoi(f[2]);
        return true;
    }
    bool selectAll = verb == "selectall";
    if ((selectAll || verb == "goto") && f.size() == 3) {
        (selectAll ? store.selectAllWindowTitles : store.findWindowTitles).append(f[1]);
        (selectAll ? store.selectAllSequences : store.findSequences).append(f[2]);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zf_store_writer script data.dat\n");
        return 2;
    }
    std::ifstream script(argv[1]);
    if (!script) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    DataStore store;
    int lineNumber = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNumber;
        if (line.empty())
            continue;
        bool applied = false;
        try {
            applied = applyLine(store, splitTabs(line));
        } catch (const std::exception&) {
        }
        if (!applied) {
            std::fprintf(stderr, "line %d not understood: %s\n", lineNumber, line.c_str());
            return 2;
        }
    }
    StdioFileSystem files;
    return store.save(files, argv[2]) ? 0 : 1;
}
