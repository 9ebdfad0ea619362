// KeywordSearch: which keyword entries occur in a text, as the ordered,
// lower-cased hit list the keywords-found window shows.
#pragma once

#include "vocab/TextList.h"

#include <string>

class KeywordSearch {
public:
    void setEntries(KeywordList entries) { entries_ = std::move(entries); }
    void setText(std::string_view text);
    // Appends to hits(); true when hits() holds at least one hit.
    bool run();
    const KeywordList& hits() const { return hits_; }

private:
    KeywordList entries_;
    KeywordList hits_;
    std::string text_;
    std::string foldedText_;
};
