// RcTexts: the installer's string tables read from resources/install.rc and
// uninstall.rc themselves, so that the tests see the very texts the programs
// show (the resource compiler's escapes "" and \n, \\ are undone here).
#pragma once

#include "installer/TextTable.h"

#include <map>

class RcTexts : public TextTable {
public:
    RcTexts();
    using TextTable::text;
    // Fails the running test for an id the tables do not hold.
    std::string text(unsigned id) const override;

private:
    std::map<unsigned, std::string> texts_;
};
