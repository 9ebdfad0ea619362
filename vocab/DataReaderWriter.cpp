// DataWriter and DataReader: the data file's integers and texts.
#include "vocab/DataFile.h"

#include <limits>

void DataWriter::writeInt32(int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

void DataWriter::writeText(std::string_view text) {
    if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        ok_ = false;
        return;
    }
    writeInt32(static_cast<int32_t>(text.size()));
    bytes_.append(text.data(), text.size());
}

bool DataReader::readInt32(int32_t& value) {
    if (remaining() < 4) {
        return false;
    }
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) {
        bits = (bits << 8) | static_cast<unsigned char>(bytes_[offset_ + i]);
    }
    value = static_cast<int32_t>(bits);
    offset_ += 4;
    return true;
}

bool DataReader::readText(std::string_view& text) {
    int32_t length = 0;
    if (!readInt32(length) || length < 0 || static_cast<size_t>(length) > remaining()) {
        return false;
    }
    text = bytes_.substr(offset_, static_cast<size_t>(length));
    offset_ += static_cast<size_t>(length);
    return true;
}

bool DataReader::canHold(int32_t count, size_t minBytes) const {
    return count >= 0 && static_cast<size_t>(count) <= remaining() / minBytes;
}
