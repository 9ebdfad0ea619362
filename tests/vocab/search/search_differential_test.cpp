// Differential test of the keyword search: the needle search engine, in all
// its paths, against a plain reference of the hit rules written here on its
// own (one substring search per word or phrase), on generated cases.
#include "tests/Caller.h"
#include "tests/Fixtures.h"
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/NeedleAutomaton.h"
#include "vocab/search/NeedleSearch.h"
#include "vocab/search/SearchSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Hit = std::pair<std::string, int32_t>;
using Hits = std::vector<Hit>;

std::string referenceFold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::vector<std::string> referenceWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool referenceOccurs(const std::string& text, const std::string& needle) {
    return text.find(needle) != std::string::npos;
}

Hits referenceHits(const KeywordList& entries, std::string_view text) {
    const std::string folded = referenceFold(text);
    Hits hits;
    for (const KeywordEntry& entry : entries) {
        const std::string phrase = referenceFold(entry.text().view());
        if (entry.matchMode == 1) {
            bool all = true;
            for (const std::string& word : referenceWords(phrase)) {
                all = all && referenceOccurs(folded, word);
            }
            if (all) {
                hits.emplace_back(phrase, 1);
            }
        } else if (entry.matchMode == 2) {
            if (referenceOccurs(folded, phrase)) {
                hits.emplace_back(phrase, 2);
            }
        } else {
            for (const std::string& word : referenceWords(phrase)) {
                if (referenceOccurs(folded, word)) {
                    hits.emplace_back(word, 0);
                }
            }
        }
    }
    return hits;
}

Hits hitsOf(const KeywordList& list) {
    Hits hits;
    for (const KeywordEntry& hit : list) {
        EXPECT_EQ(hit.text().str(), hit.foldedText());
        EXPECT_EQ(hit.tag, 0);
        hits.emplace_back(hit.text().str(), hit.matchMode);
    }
    return hits;
}

// Texts and entries over a small alphabet, so that words and phrases
// match often, with capitals, a byte above 127 in both cases, tabs and line
// breaks; entries are cut from the text (its edges included), made up, or
// made of spaces.
class CaseMaker {
public:
    explicit CaseMaker(uint32_t seed) : random_(seed) {}

    std::string text(size_t maxLength) {
        static const char kBytes[] = "aAbBcC  \t\n\xe9\xc9.zZ";
        std::string text(below(maxLength + 1), ' ');
        for (char& c : text) {
            c = kBytes[below(sizeof kBytes - 1)];
        }
        if (chance(10)) {
            // A word longer than 511 bytes.
            text.insert(below(text.size() + 1), longWord());
        }
        return text;
    }

    KeywordList entries(const std::string& text, size_t count) {
        KeywordList list;
        for (size_t i = 0; i < count; ++i) {
            const int32_t mode =
                chance(5) ? static_cast<int32_t>(below(9)) - 3 : static_cast<int32_t>(below(3));
            list.append(entryText(text), mode);
        }
        return list;
    }

    size_t below(size_t bound) { return bound == 0 ? 0 : random_() % bound; }
    bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }

private:
    std::string longWord() {
        std::string word(512 + below(700), 'a');
        for (char& c : word) {
            c = "abAB"[below(4)];
        }
        return word;
    }

    std::string entryText(const std::string& text) {
        switch (below(6)) {
        case 0: // the text's beginning or end
            return below(2) == 0
                       ? text.substr(0, below(8))
                       : text.substr(text.size() - below(std::min<size_t>(8, text.size() + 1)));
        case 1: // a piece from anywhere, capitals swapped for small letters
            return flipCase(text.substr(below(text.size() + 1), below(12)));
        case 2:
            return std::string(below(4), ' ');
        case 3: // the same word more than once
        {
            const std::string word = this->text(3);
            return word + " " + word + "  " + word;
        }
        default:
            return this->text(below(2) == 0 ? 6 : 14);
        }
    }

    std::string flipCase(std::string text) {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z' && chance(50)) {
                c = static_cast<char>(c - 'a' + 'A');
            } else if (c >= 'A' && c <= 'Z' && chance(50)) {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return text;
    }

    std::mt19937 random_;
};

Hits searchWith(SearchSession::Strategy strategy, const KeywordList& entries, std::string_view text,
                Caller caller = {}) {
    TRACE_CALLER(caller);
    const SearchOutcome outcome = searchOnce(strategy, entries, text);
    EXPECT_EQ(outcome.found, outcome.hits.present());
    return hitsOf(outcome.hits);
}

} // namespace

TEST(SearchDifferential, EveryStrategyGivesThePlainRulesHits) {
    CaseMaker make(1);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = make.text(make.chance(20) ? 600 : 60);
        const KeywordList entries = make.entries(text, make.below(make.chance(30) ? 40 : 8));
        const Hits expected = referenceHits(entries, text);
        ASSERT_EQ(searchWith(SearchSession::Strategy::Together, entries, text), expected)
            << "case " << i;
        ASSERT_EQ(searchWith(SearchSession::Strategy::OneByOne, entries, text), expected)
            << "case " << i;
        KeywordSearch own;
        own.setEntries(entries.clone());
        own.setText(text);
        own.run();
        ASSERT_EQ(hitsOf(own.hits()), expected) << "case " << i;
    }
}

TEST(SearchDifferential, OneSessionServesEveryListOfARead) {
    CaseMaker make(2);
    for (int i = 0; i < 300; ++i) {
        const std::string text = make.text(400);
        std::vector<KeywordList> lists;
        for (size_t n = 1 + make.below(6); n > 0; --n) {
            lists.push_back(make.entries(text, make.below(30)));
        }
        SearchSession session(text);
        // The last list is not announced: its needles are answered one by one.
        for (size_t l = 0; l + 1 < lists.size(); ++l) {
            session.addEntries(lists[l]);
        }
        for (const KeywordList& list : lists) {
            KeywordSearch search;
            search.setEntries(list.clone());
            search.setSession(session);
            search.run();
            ASSERT_EQ(hitsOf(search.hits()), referenceHits(list, text)) << "case " << i;
        }
    }
}

// The engine's own paths: the distinct runs from the smallest text on, and
// automata split into many (a small memory limit) or skipped for needles
// that do not fit one.
TEST(SearchDifferential, NeedleSearchPathsAgreeWithPlainSearch) {
    CaseMaker make(3);
    for (int i = 0; i < 1000; ++i) {
        const std::string text = make.text(make.chance(20) ? 2000 : 200);
        const std::string folded = referenceFold(text);
        const KeywordList entries = make.entries(text, make.below(60));
        std::vector<std::string> owned;
        for (const KeywordEntry& entry : entries) {
            owned.push_back(referenceFold(entry.text().view()));
            for (const std::string& word : referenceWords(owned.back())) {
                owned.push_back(word);
            }
        }
        const std::vector<std::string_view> needles(owned.begin(), owned.end());
        for (uint64_t limit : {uint64_t{NeedleSearch::kDefaultMemoryLimit},
                               NeedleAutomaton::memoryBound(40), NeedleAutomaton::memoryBound(0)}) {
            NeedleSearch search(static_cast<size_t>(limit), 0);
            const std::vector<uint8_t> found = search.find(text, needles);
            ASSERT_EQ(found.size(), needles.size());
            for (size_t n = 0; n < needles.size(); ++n) {
                ASSERT_EQ(found[n] != 0, referenceOccurs(folded, owned[n]))
                    << "case " << i << " limit " << limit << " needle '" << owned[n] << "'";
            }
        }
    }
}

// The automaton with full rows for the root alone: every other state goes
// through its children and failure links.
TEST(SearchDifferential, AutomatonWithoutFullRowsAgreesWithPlainSearch) {
    CaseMaker make(5);
    for (int i = 0; i < 1500; ++i) {
        const std::string text = make.text(300);
        const std::string folded = referenceFold(text);
        std::vector<std::string> owned;
        for (size_t n = make.below(40); n > 0; --n) {
            const std::string needle = referenceFold(
                make.chance(50) ? make.text(8)
                                : text.substr(make.below(text.size() + 1), make.below(10)));
            if (!needle.empty()) {
                owned.push_back(needle);
            }
        }
        std::vector<NeedleAutomaton::Needle> needles;
        for (size_t n = 0; n < owned.size(); ++n) {
            needles.push_back({owned[n], static_cast<uint32_t>(n)});
        }
        NeedleAutomaton automaton(needles, 1);
        std::vector<uint8_t> found(owned.size(), 0);
        automaton.scan(text, found);
        for (size_t n = 0; n < owned.size(); ++n) {
            ASSERT_EQ(found[n] != 0, referenceOccurs(folded, owned[n]))
                << "case " << i << " needle '" << owned[n] << "'";
        }
    }
}

// Documents big enough for the distinct runs by default, with entries
// drawn from their own words and phrases and from words they lack.
TEST(SearchDifferential, BigDocumentsGiveThePlainRulesHits) {
    CaseMaker make(4);
    std::vector<std::string> words;
    for (int w = 0; w < 400; ++w) {
        std::string word = make.text(9);
        word.erase(std::remove(word.begin(), word.end(), ' '), word.end());
        words.push_back(word.empty() ? "x" : word);
    }
    for (int i = 0; i < 3; ++i) {
        std::string text;
        while (text.size() < NeedleSearch::kDefaultRunsFrom + 40000) {
            text += words[make.below(words.size() / 2)] + (make.chance(10) ? "\r\n" : " ");
        }
        KeywordList entries;
        for (int e = 0; e < 400; ++e) {
            const size_t at = make.below(text.size());
            const std::string entry =
                make.chance(50) ? text.substr(at, make.below(30)) : words[make.below(words.size())];
            entries.append(entry, static_cast<int32_t>(make.below(3)));
        }
        ASSERT_EQ(searchWith(SearchSession::Strategy::Automatic, entries, text),
                  referenceHits(entries, text));
    }
}
