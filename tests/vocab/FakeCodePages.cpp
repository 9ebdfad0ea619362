// The test code pages: ASCII, Latin-1's upper half and a few of 1252's
// 0x80-0x9F letters; for 1251 the Cyrillic block at 0xC0-0xFF.
#include "FakeCodePages.h"

namespace {

constexpr char16_t kUnknown = 0xFFFD;

struct Extra {
    unsigned char byte;
    char16_t unit;
};

constexpr Extra kWesternExtras[] = {{0x80, 0x20AC}, {0x8C, 0x0152}, {0x99, 0x2122}, {0x9C, 0x0153}};

char16_t toUnit(unsigned char byte, uint32_t codePage) {
    if (byte < 0x80)
        return byte;
    if (codePage == FakeCodePages::kCyrillic)
        return byte >= 0xC0 ? static_cast<char16_t>(0x0410 + (byte - 0xC0)) : kUnknown;
    if (byte >= 0xA0)
        return byte;
    for (const Extra& extra : kWesternExtras)
        if (extra.byte == byte)
            return extra.unit;
    return kUnknown;
}

// The byte of `unit` in the code page; 0 for none.
unsigned char toByte(char16_t unit, uint32_t codePage) {
    if (unit < 0x80)
        return static_cast<unsigned char>(unit);
    for (unsigned byte = 1; byte < 0x100; ++byte)
        if (toUnit(static_cast<unsigned char>(byte), codePage) == unit)
            return static_cast<unsigned char>(byte);
    return 0;
}

} // namespace

bool FakeCodePages::toAnsi(std::u16string_view wide, std::string& ansi) const {
    ansi.clear();
    bool exact = true;
    for (char16_t unit : wide) {
        unsigned char byte = unit == 0 ? 0 : toByte(unit, ansi_);
        if (unit != 0 && byte == 0) {
            byte = '?';
            exact = false;
        }
        ansi += static_cast<char>(byte);
    }
    return exact;
}

bool FakeCodePages::toUtf16(std::string_view bytes, uint32_t codePage, std::u16string& wide) const {
    wide.clear();
    if (codePage != kWestern && codePage != kCyrillic)
        return false;
    for (char byte : bytes)
        wide += toUnit(static_cast<unsigned char>(byte), codePage);
    return true;
}

uint32_t FakeCodePages::codePageOfLocale(uint32_t locale) const {
    if (locale == kEnglishUs)
        return kWestern;
    if (locale == kRussian)
        return kCyrillic;
    return 0;
}
