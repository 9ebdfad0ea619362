// DataFileStorage: reads and replaces the data file so that an interrupted
// save never costs the user their data, and keeps a refused file aside.
//
// Beside data.dat it uses, in the same folder: data.tmp (the new file being
// written), data.old (the previous file while Windows 95/98 swap the two by
// renaming) and data.bad (a file that could not be loaded, kept for rescue;
// when data.bad already holds one, data1.bad, data2.bad and so on).
// At every moment either data.dat is complete, or it is missing and data.tmp
// or data.old is complete; reading recovers from the latter.
#pragma once

#include "vocab/datafile/FileSystem.h"

#include <string>
#include <string_view>

struct DataFilePaths {
    std::string current;   // data.dat
    std::string temporary; // data.tmp
    std::string previous;  // data.old
    std::string refused;   // data.bad

    // The derived names replace the file's extension, or are appended to a
    // name that has none.
    static DataFilePaths derivedFrom(const std::string& path);
    // The n-th name for a rescued file: data.bad, then data1.bad, data2.bad;
    // short enough for an 8.3 name.
    std::string rescued(int n) const;
};

class DataFileStorage {
public:
    // `isLoadable` tells a complete, sound file from anything else.
    DataFileStorage(FileSystem& files, const std::string& path,
                    bool (*isLoadable)(std::string_view bytes));

    const DataFilePaths& paths() const { return paths_; }

    // The bytes of data.dat, or when it is missing those of a complete file
    // an interrupted save left behind (which is then put back as data.dat).
    // False when there is nothing to read.
    bool read(std::string& bytes);
    // Replaces data.dat with `bytes`; a data.dat that cannot be loaded, or
    // any data.dat when `keepCurrent` is set, is first moved to the first
    // free rescue name, so that no rescued file is ever overwritten. False,
    // with data.dat as it was (or recoverable by read()), when any step fails.
    bool write(std::string_view bytes, bool keepCurrent = false);

private:
    bool recover(std::string& bytes);
    bool writeTemporary(std::string_view bytes);
    bool setAside(bool keepCurrent);
    bool moveToRescue();
    bool swapByRenaming();

    FileSystem& files_;
    DataFilePaths paths_;
    bool (*isLoadable_)(std::string_view bytes);
};
