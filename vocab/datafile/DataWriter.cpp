// DataWriter (see DataWriter.h).
#include "vocab/datafile/DataWriter.h"

#include <cstddef>
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
