// The system's code pages behind CodePages: MultiByteToWideChar,
// WideCharToMultiByte and the locales' code pages, all on Windows 95.
#pragma once

#include "vocab/TextEncoding.h"

class Win32CodePages : public CodePages {
public:
    bool toAnsi(std::u16string_view wide, std::string& ansi) const override;
    bool toUtf16(std::string_view bytes, uint32_t codePage, std::u16string& wide) const override;
    uint32_t ansiCodePage() const override;
    uint32_t codePageOfLocale(uint32_t locale) const override;
};
