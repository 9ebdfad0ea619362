// Text encodings: how bytes from outside the program (text files, the
// clipboard's text forms) are told apart and decoded, and the system's code
// pages behind a small interface. The program keeps every text in the
// system's ANSI code page; whatever comes in as Unicode is converted to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class TextEncoding {
    Ansi,    // the system's ANSI code page, byte for byte
    Utf8,    // with its byte-order mark, or well-formed and not plain ASCII
    Utf16Le, // by its byte-order mark FF FE
    Utf16Be, // by its byte-order mark FE FF
    NotText, // a NUL in the first 4 KB: a binary file
};

struct DetectedEncoding {
    TextEncoding encoding = TextEncoding::Ansi;
    size_t markBytes = 0; // the byte-order mark, to be skipped
};

// The encoding of a text file's bytes: UTF-16 and UTF-8 by their marks;
// UTF-8 without a mark when every byte is well-formed UTF-8 and at least one
// sequence is not ASCII (ANSI text rarely is); else the ANSI code page.
DetectedEncoding detectTextEncoding(std::string_view bytes);

// UTF-8 to UTF-16; false for bytes that are not well-formed UTF-8.
bool utf8ToUtf16(std::string_view utf8, std::u16string& wide);

// UTF-16 code units from bytes in the given order. A trailing half unit
// cannot be a character; it becomes a lone surrogate, which no code page
// holds, so that its line is left out like any other broken one.
std::u16string utf16FromBytes(std::string_view bytes, bool bigEndian);

// True when every surrogate of `wide` is one half of a pair.
bool surrogatesPaired(std::u16string_view wide);

// The system's code pages, as the program converts with them
// (MultiByteToWideChar and WideCharToMultiByte, which Windows 95 has).
class CodePages {
public:
    virtual ~CodePages() = default;
    // UTF-16 to the ANSI code page. `ansi` always receives the conversion,
    // a character the code page lacks replaced by the system's choice; the
    // answer is false when that happened, so that no loss goes unseen.
    virtual bool toAnsi(std::u16string_view wide, std::string& ansi) const = 0;
    // Bytes of `codePage` to UTF-16; false when the system does not know
    // the code page or the bytes are not valid in it.
    virtual bool toUtf16(std::string_view bytes, uint32_t codePage, std::u16string& wide) const = 0;
    // The ANSI code page in which the program keeps its texts.
    virtual uint32_t ansiCodePage() const = 0;
    // The ANSI code page of a locale (a CF_LOCALE value); 0 when unknown.
    virtual uint32_t codePageOfLocale(uint32_t locale) const = 0;
};
