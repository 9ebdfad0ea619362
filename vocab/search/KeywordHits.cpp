// The hit rules of a keyword search.
#include "vocab/search/KeywordHits.h"

namespace {

// An entry without words counts as matching.
bool allWordsOccur(std::string_view foldedEntry, OccurrenceOracle& oracle) {
    bool all = true;
    forEachWord(foldedEntry, [&](std::string_view word) {
        // Stop asking once one word is missing.
        all = all && oracle.occurs(word);
    });
    return all;
}

} // namespace

void appendHits(const KeywordList& entries, OccurrenceOracle& oracle, KeywordList& hits) {
    for (const KeywordEntry& entry : entries) {
        // Folding keeps every space where it stands, so the words of the
        // folded text are the folded words of the text.
        const std::string_view folded = entry.foldedText();
        switch (entry.matchMode) {
        case AllWords:
            if (allWordsOccur(folded, oracle)) {
                hits.append(folded, AllWords);
            }
            break;
        case ExactPhrase:
            if (oracle.occurs(folded)) {
                hits.append(folded, ExactPhrase);
            }
            break;
        default: // AnyWord, and any mode outside the three searches like it
            forEachWord(folded, [&](std::string_view word) {
                if (oracle.occurs(word)) {
                    hits.append(word, AnyWord);
                }
            });
            break;
        }
    }
}
