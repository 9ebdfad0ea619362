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
    return loadInto();
}

// Only a file that was unreadable is tried again: until it is read or the
// user has confirmed a save without it, the store is the one start-up made.
LoadOutcome ProgramData::loadAgain() {
    return unreadable_ ? loadInto() : LoadOutcome::Unread;
}

// A file that was not loaded, even if it becomes readable later, is kept
// aside by the first save: the store does not hold what that file holds.
LoadOutcome ProgramData::loadInto() {
    const LoadOutcome outcome = store_->load(files_, path_);
    unreadable_ = outcome == LoadOutcome::Unreadable;
    keepOldFile_ = outcome == LoadOutcome::Unreadable || outcome == LoadOutcome::Refused;
    return outcome;
}

bool ProgramData::save() {
    if (!store_->save(files_, path_, keepOldFile_)) {
        return false;
    }
    unreadable_ = false;
    keepOldFile_ = false;
    return true;
}
