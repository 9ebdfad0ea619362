// Conversions between UTF-16 and the system's code pages.
#include "vocab/win32/Win32CodePages.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

// WideCharToMultiByte replaces what the code page lacks, with a default
// character or a look-alike letter (best fit), and only the first says so on
// every system: converting back and comparing catches both.
bool Win32CodePages::toAnsi(std::u16string_view wide, std::string& ansi) const {
    ansi.clear();
    if (wide.empty())
        return true;
    auto source = reinterpret_cast<const wchar_t*>(wide.data());
    int length = static_cast<int>(wide.size());
    int size = WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return false;
    ansi.resize(size);
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, 0, source, length, &ansi[0], size, nullptr, &usedDefault);
    if (usedDefault)
        return false;
    std::wstring back(length + 1, L'\0');
    int backLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, &back[0], length + 1);
    return backLength == length && std::memcmp(back.data(), source, length * sizeof(wchar_t)) == 0;
}

bool Win32CodePages::toUtf16(std::string_view bytes, uint32_t codePage,
                             std::u16string& wide) const {
    wide.clear();
    if (bytes.empty())
        return IsValidCodePage(codePage) != 0;
    int length = static_cast<int>(bytes.size());
    int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return false;
    wide.resize(size);
    auto target = reinterpret_cast<wchar_t*>(&wide[0]);
    return MultiByteToWideChar(codePage, 0, bytes.data(), length, target, size) == size;
}

uint32_t Win32CodePages::ansiCodePage() const {
    return GetACP();
}

uint32_t Win32CodePages::codePageOfLocale(uint32_t locale) const {
    char number[8] = "";
    if (!locale || !GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number))
        return 0;
    return static_cast<uint32_t>(std::atoi(number));
}
