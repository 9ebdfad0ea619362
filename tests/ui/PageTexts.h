// PageTexts: the pages' string table read from resources/pages.rc itself, so
// that the tests see the very texts the program shows.
#pragma once

#include "ui/logic/KeywordImport.h"

#include <map>

class PageTexts : public ImportTexts {
public:
    PageTexts();
    // Fails the running test for an id the table does not hold.
    std::string text(unsigned id) const override;

private:
    std::map<unsigned, std::string> texts_;
};
