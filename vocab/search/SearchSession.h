// SearchSession: one document for every keyword search of a read, folded at
// most once, and the answers to all the needles those searches ask about,
// found together.
#pragma once

#include "vocab/search/KeywordHits.h"
#include "vocab/search/NeedleSearch.h"

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

class SearchSession : public OccurrenceOracle {
public:
    enum class Strategy {
        Automatic, // one by one for a handful of needles, else all together
        OneByOne,  // a plain substring search per needle
        Together,  // the needle search, whatever the number of needles
    };

    // Up to this many different needles, one plain search each is faster
    // than building anything (measured with the benchmark in tools/bench).
    static constexpr size_t kOneByOneLimit = 16;

    explicit SearchSession(std::string text, Strategy strategy = Strategy::Automatic);
    explicit SearchSession(std::string_view text, Strategy strategy = Strategy::Automatic)
        : SearchSession(std::string(text), strategy) {}
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    // Announces the needles that searches of these entries will ask about.
    // Needles first announced after the first question are answered one by
    // one, so announce every list of a read before running any search.
    void addEntries(const KeywordList& entries);

    bool occurs(std::string_view foldedNeedle) override;

    // The text, folded in place on first use: the needle search reads it
    // folded or not, so a read that only uses the needle search never folds.
    std::string_view foldedText();
    const NeedleSearch::Figures& figures() const { return engine_.figures(); }

private:
    enum class Answer : uint8_t { Unknown, Absent, Present };

    void addNeedle(std::string_view foldedNeedle);
    void answerAll();

    std::string text_;
    bool isFolded_ = false;
    Strategy strategy_;
    bool answering_ = false;
    std::deque<std::string> needles_; // owns the keys of answers_
    std::unordered_map<std::string_view, Answer> answers_;
    NeedleSearch engine_;
};
