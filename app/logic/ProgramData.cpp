// ProgramData: the current store, its load at start-up and its saves.
#include "app/logic/ProgramData.h"

ProgramData::ProgramData(FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), store_(std::make_unique<DataStore>()) {}

std::unique_ptr<DataStore> ProgramData::exchange(std::unique_ptr<DataStore> store) {
    if (!store) {
        return nullptr; // never leave the program without a store
    }
    store_.swap(store);
    return store;
}

LoadOutcome ProgramData::load() {
    const bool found = files_.exists(path_);
    const LoadOutcome outcome = store_->load(files_, path_);
    keepOldFile_ = found && outcome != LoadOutcome::Loaded;
    return outcome;
}

bool ProgramData::save() {
    if (!store_->save(files_, path_, keepOldFile_)) {
        return false;
    }
    keepOldFile_ = false;
    return true;
}
