// ProgramData: the current store, its load at start-up and its saves.
#include "app/logic/ProgramData.h"

#include "vocab/FileSystem.h"
#include "vocab/VocabPlatform.h"

ProgramData::ProgramData(std::string path)
    : path_(std::move(path)), store_(std::make_unique<DataStore>()) {}

std::unique_ptr<DataStore> ProgramData::exchange(std::unique_ptr<DataStore> store) {
    if (!store) {
        return nullptr; // never leave the program without a store
    }
    store_.swap(store);
    return store;
}

bool ProgramData::load() {
    const bool found = vocabPlatform().files().exists(path_);
    const bool loaded = store_->load(path_);
    keepOldFile_ = found && !loaded;
    return loaded;
}

bool ProgramData::save() {
    if (!store_->save(path_, keepOldFile_)) {
        return false;
    }
    keepOldFile_ = false;
    return true;
}
