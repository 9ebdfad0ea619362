// foldText and the Text string class's data file layout.
#include "vocab/Text.h"

#include "vocab/datafile/DataFile.h"

char foldByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string foldText(std::string_view text) {
    std::string folded(text);
    foldTextInPlace(folded);
    return folded;
}

void foldTextInPlace(std::string& text) {
    for (char& c : text) {
        c = foldByte(c);
    }
}

void Text::writeTo(DataWriter& file) const {
    file.writeText(bytes_);
}

bool Text::readFrom(DataReader& file) {
    std::string_view text;
    if (!file.readText(text)) {
        return false;
    }
    bytes_.assign(text.data(), text.size());
    return true;
}
