// KeywordSearch: one search of a text for a keyword list.
#include "vocab/search/KeywordSearch.h"

#include "vocab/search/KeywordHits.h"
#include "vocab/search/SearchSession.h"

KeywordSearch::KeywordSearch() = default;
KeywordSearch::~KeywordSearch() = default;

void KeywordSearch::setText(std::string_view text) {
    ownSession_ = std::make_unique<SearchSession>(text);
    session_ = ownSession_.get();
}

void KeywordSearch::setSession(SearchSession& session) {
    ownSession_.reset();
    session_ = &session;
}

bool KeywordSearch::run() {
    if (session_ == nullptr) {
        setText({});
    }
    session_->addEntries(entries_);
    appendHits(entries_, *session_, hits_);
    return hits_.present();
}
