// DataReader (see DataReader.h).
#include "vocab/datafile/DataReader.h"

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
