// DataReader: the data file's integers and texts, read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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
