// KeywordSearch: which keyword entries occur in a text, as the ordered,
// lower-cased hit list the keywords-found window shows.
#pragma once

#include "vocab/TextList.h"

#include <memory>
#include <string_view>

class SearchSession;

class KeywordSearch {
public:
    KeywordSearch();
    ~KeywordSearch();

    void setEntries(KeywordList entries) { entries_ = std::move(entries); }
    // Searches a text of the search's own.
    void setText(std::string_view text);
    // Searches the text of a session that the searches of one read share,
    // so that the text is folded once and all their needles are answered
    // together; the session must outlive the search's run().
    void setSession(SearchSession& session);
    // Appends to hits(); true when hits() holds at least one hit.
    bool run();
    const KeywordList& hits() const { return hits_; }

private:
    KeywordList entries_;
    KeywordList hits_;
    std::unique_ptr<SearchSession> ownSession_;
    SearchSession* session_ = nullptr;
};
