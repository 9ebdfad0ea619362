// ResourceTexts: the texts of the running program's string table.
#pragma once

#include "installer/TextTable.h"

class ResourceTexts : public TextTable {
public:
    using TextTable::text;
    // The text, or empty when the table has no such id.
    std::string text(unsigned id) const override;
};
