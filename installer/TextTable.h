// TextTable: the texts the user reads, by their string-table id
// (resources/InstallIds.h), so that the installer's logic composes its
// messages without the platform: the programs load the texts from their
// resources, the native tests from the .rc files themselves.
#pragma once

#include <string>

class TextTable {
public:
    virtual ~TextTable() = default;
    virtual std::string text(unsigned id) const = 0;
    // The text with its one "%s" replaced by `value`.
    std::string text(unsigned id, const std::string& value) const;
};
