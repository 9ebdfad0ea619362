// ProgramData: the program's one current store and the data file it was
// loaded from and is saved to, with the start-up rule for a data file that
// could not be read.
#pragma once

#include "vocab/DataStore.h"

#include <memory>
#include <string>

class ProgramData {
public:
    // The data file is `path` in `files`.
    ProgramData(FileSystem& files, std::string path);
    ProgramData(const ProgramData&) = delete;
    ProgramData& operator=(const ProgramData&) = delete;

    // The current store; there is always one.
    DataStore& store() const { return *store_; }
    // Makes `store` current and hands back the one it replaces.
    std::unique_ptr<DataStore> exchange(std::unique_ptr<DataStore> store);

    // Start-up: fills the new store from the data file. A data file that
    // exists but could not be read (another program holds it open, a slow
    // network drive) or was refused is kept aside by the first save, even
    // if it has become readable by then: the store the program runs with
    // does not hold what that file holds. A refused file is the caller's
    // to tell the user of.
    LoadOutcome load();
    // Writes the current store to the data file; false when it could not.
    bool save();

private:
    FileSystem& files_;
    std::string path_;
    std::unique_ptr<DataStore> store_;
    bool keepOldFile_ = false;
};
