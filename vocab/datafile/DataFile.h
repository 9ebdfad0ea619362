// The data file's byte layout: the encoding of a whole DataStore in the
// integers and texts of DataWriter and DataReader.
#pragma once

#include "vocab/datafile/DataReader.h"
#include "vocab/datafile/DataWriter.h"

#include <cstddef>
#include <string_view>

class DataStore;

// The smallest records of the layout, used to refuse impossible counts
// before anything is allocated for them.
constexpr size_t kMinTextItemBytes = 8;      // length 0, tag
constexpr size_t kMinKeywordEntryBytes = 12; // mode, tag, length 0
constexpr size_t kMinVocabularyBytes = 16;   // two empty texts, index, count

void encodeDataFile(const DataStore& store, DataWriter& file);
// Fills a new store; false for a file that is not a complete, sound data
// file (wrong magic, truncated, impossible count, length or mode).
bool decodeDataFile(std::string_view bytes, DataStore& store);
bool isLoadableDataFile(std::string_view bytes);
