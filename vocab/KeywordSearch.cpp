// KeywordSearch: one search of a text for a keyword list.
#include "vocab/KeywordSearch.h"

#include "vocab/KeywordHits.h"

void KeywordSearch::setText(std::string_view text) {
    text_.assign(text.data(), text.size());
    foldedText_ = foldText(text);
}

bool KeywordSearch::run() {
    PlainOccurrenceOracle oracle(foldedText_);
    appendHits(entries_, oracle, hits_);
    return hits_.present();
}
