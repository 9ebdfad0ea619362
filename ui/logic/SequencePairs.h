// The window-specific key sequences of one kind as rows of (window title,
// key sequence), read from and written back to the store as a pair of lists.
#pragma once

#include "vocab/DataStore.h"

#include <string>
#include <vector>

struct SequencePair {
    std::string windowTitle;
    std::string keySequence;
    bool operator==(const SequencePair& other) const {
        return windowTitle == other.windowTitle && keySequence == other.keySequence;
    }
};

// The kind's pairs in list order; absent lists give none.
std::vector<SequencePair> readSequencePairs(const DataStore& store, SequenceKind kind);

// The kind's default sequence as stored.
std::string defaultSequence(const DataStore& store, SequenceKind kind);

// Replaces the kind's default and both of its lists together, keeping the
// rows' order; with no rows both lists become absent.
void replaceSequences(DataStore& store, SequenceKind kind, const std::string& defaultSequence,
                      const std::vector<SequencePair>& rows);
