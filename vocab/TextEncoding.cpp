// Text encodings: telling them apart by marks and well-formedness, and
// decoding UTF-8 and UTF-16.
#include "vocab/TextEncoding.h"

namespace {

constexpr size_t kNotTextProbe = 4096;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// The number of bytes of the UTF-8 sequence that `lead` begins; 0 when no
// sequence begins with it.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point of the sequence at `at`, moving `at` past it; false when
// the bytes there are not well-formed UTF-8.
bool decodeOne(std::string_view utf8, size_t& at, uint32_t& code) {
    auto lead = static_cast<unsigned char>(utf8[at]);
    int length = sequenceLength(lead);
    if (length == 0 || at + length > utf8.size())
        return false;
    code = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
    static const uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return false;
    at += length;
    return true;
}

// Well-formed UTF-8 holding at least one sequence beyond ASCII.
bool looksLikeUtf8(std::string_view bytes) {
    bool beyondAscii = false;
    size_t at = 0;
    uint32_t code = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        if (!decodeOne(bytes, at, code))
            return false;
        beyondAscii = true;
    }
    return beyondAscii;
}

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

} // namespace

DetectedEncoding detectTextEncoding(std::string_view bytes) {
    // UTF-16 holds NUL bytes in every ASCII character: its mark comes first.
    if (startsWith(bytes, kUtf16LeMark))
        return {TextEncoding::Utf16Le, kUtf16LeMark.size()};
    if (startsWith(bytes, kUtf16BeMark))
        return {TextEncoding::Utf16Be, kUtf16BeMark.size()};
    if (bytes.substr(0, kNotTextProbe).find('\0') != std::string_view::npos)
        return {TextEncoding::NotText, 0};
    if (startsWith(bytes, kUtf8Mark))
        return {TextEncoding::Utf8, kUtf8Mark.size()};
    if (looksLikeUtf8(bytes))
        return {TextEncoding::Utf8, 0};
    return {TextEncoding::Ansi, 0};
}

bool utf8ToUtf16(std::string_view utf8, std::u16string& wide) {
    wide.clear();
    size_t at = 0;
    uint32_t code = 0;
    while (at < utf8.size()) {
        if (!decodeOne(utf8, at, code))
            return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (code >> 10));
            wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            wide += static_cast<char16_t>(code);
        }
    }
    return true;
}

std::u16string utf16FromBytes(std::string_view bytes, bool bigEndian) {
    std::u16string wide;
    wide.reserve(bytes.size() / 2 + 1);
    int high = bigEndian ? 0 : 1;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        auto first = static_cast<unsigned char>(bytes[at + high]);
        auto second = static_cast<unsigned char>(bytes[at + 1 - high]);
        wide += static_cast<char16_t>(first << 8 | second);
    }
    if (bytes.size() % 2 != 0)
        wide += u'\xDFFF';
    return wide;
}

bool surrogatesPaired(std::u16string_view wide) {
    for (size_t i = 0; i < wide.size(); ++i) {
        char16_t unit = wide[i];
        if (unit < 0xD800 || unit > 0xDFFF)
            continue;
        bool high = unit <= 0xDBFF;
        if (!high || i + 1 >= wide.size() || wide[i + 1] < 0xDC00 || wide[i + 1] > 0xDFFF)
            return false;
        ++i;
    }
    return true;
}
