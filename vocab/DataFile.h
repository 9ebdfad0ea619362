// The data file's byte layout: DataWriter and DataReader for its integers
// and texts, and the encoding of a whole DataStore.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class DataStore;

// Appends little-endian 32-bit integers and length-prefixed texts.
class DataWriter {
public:
    void writeInt32(int32_t value);
    void writeText(std::string_view text);
    const std::string& bytes() const { return bytes_; }
    // False when a text was too long for its 32-bit length.
    bool ok() const { return ok_; }

private:
    std::string bytes_;
    bool ok_ = true;
};

// Reads a byte buffer front to back; every read checks what remains first,
// so a damaged file can only make a read fail, never overrun the buffer.
class DataReader {
public:
    explicit DataReader(std::string_view bytes) : bytes_(bytes) {}
    bool readInt32(int32_t& value);
    // A length-prefixed text; `text` views the buffer.
    bool readText(std::string_view& text);
    // True when `count` is not negative and `count` records of at least
    // `minBytes` bytes each fit into what remains.
    bool canHold(int32_t count, size_t minBytes) const;
    size_t remaining() const { return bytes_.size() - offset_; }

private:
    std::string_view bytes_;
    size_t offset_ = 0;
};

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
