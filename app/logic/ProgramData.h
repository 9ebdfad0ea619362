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

    // Start-up: fills the new store from the data file. A refused file, and
    // one that exists but cannot be read now (another program holds it open),
    // is the caller's to tell the user of.
    LoadOutcome load();
    // Before the tabbed window opens and before a read: a data file that
    // could not be read at start-up is tried again, into the store that is
    // still as new. Unread when there was nothing to try again.
    LoadOutcome loadAgain();
    // True while the data file has not been read since start-up: a save
    // would set it aside (data.bad) for a store that does not hold it, which
    // the user must confirm first.
    bool fileUnread() const { return unreadable_; }
    // Writes the current store to the data file; false when it could not.
    // A refused file, or one never read, is kept aside first.
    bool save();

private:
    LoadOutcome loadInto();

    FileSystem& files_;
    std::string path_;
    std::unique_ptr<DataStore> store_;
    bool unreadable_ = false;
    bool keepOldFile_ = false;
};
