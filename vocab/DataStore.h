// DataStore: everything the user keeps (vocabularies, key sequences, sounds)
// and the reserved values the data file carries unchanged.
#pragma once

#include "vocab/Vocabulary.h"
#include "vocab/datafile/FileSystem.h"

#include <array>
#include <memory>

enum class SequenceKind : int32_t {
    GoTo = 1,       // the Find sequence, played by "Go to"
    SelectText = 2, // the select-all sequence, played before a copy
};

// How a load went; the caller tells the user of a refused file.
enum class LoadOutcome {
    Loaded,     // the store holds what the file holds
    Unread,     // no file: nothing to tell
    Unreadable, // a file that cannot be opened or read now (another program holds it)
    Refused,    // a damaged or foreign file ("Data file load failed.")
};

class DataStore {
public:
    static constexpr int32_t kMagic = 0x7965;

    int32_t magic = kMagic;
    int32_t reservedWord = 0;
    VocabularyTable vocabularies;
    TextList findWindowTitles;
    TextList findSequences;
    Text defaultFindSequence = "<ctrl>f<ctrl>";
    TextList selectAllWindowTitles;
    TextList selectAllSequences;
    Text defaultSelectAllSequence = "<ctrl>a<ctrl>";
    std::array<Text, 8> reservedTexts;
    std::array<int32_t, 3> reservedValues{2020, 1, 1};
    Text foundSoundFile;
    Text notFoundSoundFile;
    int32_t playFoundSound = 0;
    int32_t playNotFoundSound = 0;
    std::array<int32_t, 2> reservedFlags{0, 0};

    std::unique_ptr<DataStore> clone() const;

    // Fills this new store from the data file in `files` (or, when it is
    // missing, from what an interrupted save left beside it). A file that is
    // missing, unreadable or refused leaves the store as new.
    LoadOutcome load(FileSystem& files, const std::string& path);
    // Writes the whole store to a temporary file that then replaces the data
    // file, so that a complete old or new file exists at every moment; a
    // data file that cannot be loaded, or any when `keepOldFile` is set, is
    // first kept aside (data.bad, or the next free rescue name). False when
    // it could not; the caller tells the user, from its own window.
    bool save(FileSystem& files, const std::string& path, bool keepOldFile = false) const;

    // The key sequence to play into the window titled `title`: the first
    // title fragment found in the folded title picks its sequence, else the
    // kind's default.
    std::string sequenceForTitle(SequenceKind kind, std::string_view title) const;
};
