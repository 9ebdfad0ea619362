// KeywordSearch: the hit rules of each match mode, their order and form.
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/KeywordHits.h"

#include <gtest/gtest.h>

namespace {

struct Entry {
    const char* text;
    int32_t mode;
};

// Runs a search and lists its hits as "mode:text".
std::vector<std::string> search(std::initializer_list<Entry> entries, std::string_view text,
                                bool* found = nullptr) {
    KeywordList list;
    for (const Entry& entry : entries) {
        list.append(entry.text, entry.mode);
    }
    KeywordSearch search;
    search.setEntries(std::move(list));
    search.setText(text);
    const bool result = search.run();
    std::vector<std::string> hits;
    for (const KeywordEntry& hit : search.hits()) {
        EXPECT_EQ(hit.tag, 0);
        EXPECT_EQ(hit.foldedText(), hit.text().str());
        hits.push_back(std::to_string(hit.matchMode) + ":" + hit.text().str());
    }
    EXPECT_EQ(result, !hits.empty());
    if (found) {
        *found = result;
    }
    return hits;
}

using Hits = std::vector<std::string>;

} // namespace

TEST(KeywordSearch, ExactPhraseMatchesWholeAndIgnoresCase) {
    EXPECT_EQ(search({{"Force Majeure", ExactPhrase}}, "see FORCE MAJEURE clause"),
              Hits{"2:force majeure"});
    // Two spaces need two spaces; a line break is not a space.
    EXPECT_EQ(search({{"a  b", ExactPhrase}}, "a b"), Hits{});
    EXPECT_EQ(search({{"force majeure", ExactPhrase}}, "force\r\nmajeure"), Hits{});
    EXPECT_EQ(search({{"", ExactPhrase}}, "anything"), Hits{"2:"});
}

TEST(KeywordSearch, AnyWordReportsEachOccurringWordInOrder) {
    // Only the first word occurs, and only inside a longer word.
    EXPECT_EQ(search({{"Cat dog", AnyWord}}, "concatenate"), Hits{"0:cat"});
    EXPECT_EQ(search({{"  Beta   alpha beta ", AnyWord}}, "ALPHA BETA"),
              (Hits{"0:beta", "0:alpha", "0:beta"}));
    EXPECT_EQ(search({{"   ", AnyWord}}, "   "), Hits{});
    // Tabs and punctuation belong to the word; only the space separates.
    EXPECT_EQ(search({{"a\tb c,d", AnyWord}}, "xa\tbx c,d"), (Hits{"0:a\tb", "0:c,d"}));
}

TEST(KeywordSearch, AllWordsNeedsEveryWordAnywhere) {
    EXPECT_EQ(search({{"Zeta alpha", AllWords}}, "ALPHABET ... zetas"), Hits{"1:zeta alpha"});
    EXPECT_EQ(search({{"alpha missing", AllWords}}, "alpha"), Hits{});
    EXPECT_EQ(search({{"", AllWords}}, ""), Hits{"1:"});
    EXPECT_EQ(search({{"  ", AllWords}}, "x"), Hits{"1:  "});
}

TEST(KeywordSearch, HitsFollowEntryOrderWithoutMerging) {
    EXPECT_EQ(search({{"word", AnyWord},
                      {"Other WORD", AnyWord},
                      {"word other", AllWords},
                      {"word", ExactPhrase}},
                     "a word and another"),
              (Hits{"0:word", "0:other", "0:word", "1:word other", "2:word"}));
}

TEST(KeywordSearch, ModesOutsideTheThreeSearchAsAnyWord) {
    EXPECT_EQ(search({{"Aa bb", 3}, {"cc Aa", -1}}, "aa"), (Hits{"0:aa", "0:aa"}));
}

TEST(KeywordSearch, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(search({{"\xC4rger", AnyWord}}, "\xC4RGER"), Hits{"0:\xC4rger"});
    EXPECT_EQ(search({{"\xC4rger", AnyWord}}, "\xE4rger"), Hits{});
    EXPECT_EQ(search({{"\xFF\x80", AnyWord}}, "x\xFF\x80y"), Hits{"0:\xFF\x80"});
}

TEST(KeywordSearch, EmptyTextsAndListsFindNothing) {
    bool found = true;
    EXPECT_EQ(search({{"a", AnyWord}, {"a", AllWords}, {"a", ExactPhrase}}, "", &found), Hits{});
    EXPECT_FALSE(found);
    EXPECT_EQ(search({}, "text"), Hits{});
    KeywordSearch nothing;
    EXPECT_FALSE(nothing.run());
    EXPECT_FALSE(nothing.hits().present());
}

TEST(KeywordSearch, WordsLongerThan511BytesStayWhole) {
    const std::string longWord(600, 'q');
    const std::string entry = "AB " + longWord;
    std::string text = "ab " + std::string(599, 'q');
    KeywordList list;
    list.append(entry, AnyWord);
    KeywordSearch search;
    search.setEntries(std::move(list));
    search.setText(text);
    ASSERT_TRUE(search.run());
    EXPECT_EQ(search.hits().count(), 1); // 599 q's do not hold the 600-byte word
    search.setText(text + "q");
    ASSERT_TRUE(search.run()); // appends to the hits already there
    ASSERT_EQ(search.hits().count(), 3);
    EXPECT_EQ(search.hits().first()->last()->text(), longWord);
}

TEST(KeywordSearch, WordsOf511And512BytesAreFoundWholeAndOnlyWhole) {
    for (size_t length : {511u, 512u}) {
        // The word's last byte decides: a text without it finds nothing.
        const std::string stem(length - 1, 'k');
        const std::string word = stem + "Z";
        const std::string hit = stem + "z";
        const std::string almost = "x " + stem + "y z";
        const std::string whole = "x " + hit + " y";
        for (int32_t mode : {AnyWord, AllWords, ExactPhrase}) {
            SCOPED_TRACE(std::to_string(length) + " bytes, mode " + std::to_string(mode));
            const std::string entry = mode == ExactPhrase ? word : "y " + word;
            const Hits none = mode == AnyWord ? Hits{"0:y"} : Hits{};
            const Hits found = mode == AnyWord    ? Hits{"0:y", "0:" + hit}
                               : mode == AllWords ? Hits{"1:y " + hit}
                                                  : Hits{"2:" + hit};
            EXPECT_EQ(search({{entry.c_str(), mode}}, almost), none);
            EXPECT_EQ(search({{entry.c_str(), mode}}, whole), found);
        }
    }
}

TEST(KeywordHits, AskTheOracleOnlyWhatTheRulesNeed) {
    class Recording : public OccurrenceOracle {
    public:
        std::vector<std::string> asked;
        bool occurs(std::string_view needle) override {
            asked.emplace_back(needle);
            return needle != "no";
        }
    } oracle;
    KeywordList entries;
    entries.append("No yes more", AllWords);
    entries.append("a  B", ExactPhrase);
    KeywordList hits;
    appendHits(entries, oracle, hits);
    EXPECT_EQ(oracle.asked, (std::vector<std::string>{"no", "a  b"}));
    EXPECT_EQ(hits.count(), 1);
}
