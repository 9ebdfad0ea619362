// Code pages for the tests: Windows-1252 (Western) and Windows-1251
// (Cyrillic), each in part, as the system's ANSI code page or a locale's.
#pragma once

#include "vocab/TextEncoding.h"

class FakeCodePages : public CodePages {
public:
    static constexpr uint32_t kWestern = 1252;
    static constexpr uint32_t kCyrillic = 1251;
    static constexpr uint32_t kEnglishUs = 0x0409; // a locale of code page 1252
    static constexpr uint32_t kRussian = 0x0419;   // a locale of code page 1251

    explicit FakeCodePages(uint32_t ansi = kWestern) : ansi_(ansi) {}

    bool toAnsi(std::u16string_view wide, std::string& ansi) const override;
    bool toUtf16(std::string_view bytes, uint32_t codePage, std::u16string& wide) const override;
    uint32_t ansiCodePage() const override { return ansi_; }
    uint32_t codePageOfLocale(uint32_t locale) const override;

private:
    uint32_t ansi_;
};
