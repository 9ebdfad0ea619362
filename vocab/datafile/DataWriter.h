// DataWriter: the data file's integers and texts, written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
