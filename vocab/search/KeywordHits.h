// The hit rules of a keyword search, kept apart from the question of whether
// a needle occurs in the text, so that any occurrence engine can answer it.
#pragma once

#include "vocab/TextList.h"

#include <string_view>

// Answers whether a folded needle is a contiguous substring of the folded
// text being searched; an empty needle occurs in every text.
class OccurrenceOracle {
public:
    virtual ~OccurrenceOracle() = default;
    virtual bool occurs(std::string_view foldedNeedle) = 0;
};

// One plain substring search of the whole text per question.
class PlainOccurrenceOracle : public OccurrenceOracle {
public:
    explicit PlainOccurrenceOracle(std::string_view foldedText) : text_(foldedText) {}
    bool occurs(std::string_view foldedNeedle) override {
        return text_.find(foldedNeedle) != std::string_view::npos;
    }

private:
    std::string_view text_;
};

// Calls visit(word) for every word of an entry text in order: the runs of
// bytes between space characters (only 0x20 separates); empty runs are not
// words. Words of any length are kept whole.
template <class Visit> void forEachWord(std::string_view text, Visit&& visit) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            visit(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

// Appends the hits of `entries`, in entry order and within an "Any word"
// entry in word order, each with its folded text; nothing is merged.
void appendHits(const KeywordList& entries, OccurrenceOracle& oracle, KeywordList& hits);
