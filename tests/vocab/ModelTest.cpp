// The data model: text lists, the vocabulary table, icons, deep copies and
// the key sequence chosen for a window.
#include "FakeIconSource.h"
#include "StoreSamples.h"

#include <gtest/gtest.h>

TEST(FoldText, LowerCasesAsciiLettersOnly) {
    EXPECT_EQ(foldText("AbZ@[`az{ 09"), "abz@[`az{ 09");
    // Accented capitals stay as they are whatever the locale.
    EXPECT_EQ(foldText("\xC4\xD6\xDC\xC9"), "\xC4\xD6\xDC\xC9");
}

TEST(TextList, AppendsInOrderAndKeepsLinks) {
    TextList list;
    EXPECT_FALSE(list.present());
    EXPECT_EQ(list.count(), 0);
    TextItem* a = list.append("One");
    TextItem* b = list.append("TWO");
    TextItem* c = list.append("One");
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.first(), a);
    EXPECT_EQ(a->next(), b);
    EXPECT_EQ(c->next(), nullptr);
    for (TextItem* item : {a, b, c}) {
        EXPECT_EQ(item->first(), a);
        EXPECT_EQ(item->last(), c);
        EXPECT_EQ(item->tag, 0);
    }
    EXPECT_EQ(b->foldedText(), "two");
    b->setText("ThReE");
    EXPECT_EQ(b->foldedText(), "three");
    list.clear();
    EXPECT_FALSE(list.present());
}

TEST(TextList, CloneIsDeepAndKeepsClassModeAndTag) {
    KeywordList list;
    list.append("Alpha", ExactPhrase)->tag = 5;
    list.append("Beta", AllWords);
    KeywordList copy = list.clone();
    list.first()->setText("Changed");
    list.first()->matchMode = AnyWord;
    ASSERT_EQ(copy.count(), 2);
    EXPECT_EQ(copy.first()->text(), "Alpha");
    EXPECT_EQ(copy.first()->foldedText(), "alpha");
    EXPECT_EQ(copy.first()->matchMode, ExactPhrase);
    EXPECT_EQ(copy.first()->tag, 5);
    EXPECT_EQ(copy.first()->next()->matchMode, AllWords);
    EXPECT_EQ(copy.first()->last(), copy.first()->next());
    // createLike keeps the class: a keyword entry starts as "Any word".
    auto like = copy.first()->createLike("x");
    ASSERT_NE(dynamic_cast<KeywordEntry*>(like.get()), nullptr);
    EXPECT_EQ(static_cast<KeywordEntry&>(*like).matchMode, AnyWord);
    EXPECT_FALSE(KeywordList().clone().present());
}

TEST(TextList, DestroysAVeryLongListWithoutDeepRecursion) {
    TextList list;
    for (int i = 0; i < 1000000; ++i) {
        list.append("x");
    }
    EXPECT_EQ(list.count(), 1000000);
    list.clear();
}

TEST(MatchMode, DisplayTextsAreIndexedByValue) {
    EXPECT_STREQ(matchModeText(AnyWord), "Any word");
    EXPECT_STREQ(matchModeText(AllWords), "All words");
    EXPECT_STREQ(matchModeText(ExactPhrase), "Exact phrase");
    EXPECT_STREQ(matchModeText(3), "Any word");
    EXPECT_STREQ(matchModeText(-1), "Any word");
}

static std::vector<std::string> names(const VocabularyTable& table) {
    std::vector<std::string> out;
    for (int i = 0; i < table.count(); ++i) {
        out.push_back(table.at(i)->name.str());
    }
    return out;
}

static void addNamed(VocabularyTable& table, std::initializer_list<const char*> list) {
    for (const char* name : list) {
        table.add()->name = name;
    }
}

TEST(VocabularyTable, AddsUpToSixtyFourThenNone) {
    VocabularyTable table;
    for (int i = 0; i < kMaxVocabularies; ++i) {
        Vocabulary* added = table.add();
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added, table.at(i));
        EXPECT_TRUE(added->name.empty());
        EXPECT_FALSE(added->keywords.present());
    }
    EXPECT_EQ(table.add(), nullptr);
    EXPECT_EQ(table.count(), 64);
    EXPECT_EQ(table.at(64), nullptr);
    EXPECT_EQ(table.at(-1), nullptr);
}

TEST(VocabularyTable, RemoveClosesTheGapInOrder) {
    VocabularyTable table;
    addNamed(table, {"a", "b", "c"});
    table.remove(0);
    EXPECT_EQ(names(table), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(table.at(2), nullptr);
    table.remove(1);
    EXPECT_EQ(names(table), (std::vector<std::string>{"b"}));
    // An empty or impossible slot removes nothing.
    table.remove(5);
    table.remove(-1);
    table.remove(64);
    EXPECT_EQ(names(table), (std::vector<std::string>{"b"}));
}

TEST(VocabularyTable, MovesSwapNeighboursAndRefuseTheEnds) {
    VocabularyTable table;
    addNamed(table, {"a", "b", "c"});
    EXPECT_FALSE(table.moveUp(0));
    EXPECT_FALSE(table.moveDown(2));
    EXPECT_FALSE(table.moveUp(3)); // past the last one: would open a gap
    EXPECT_FALSE(table.moveDown(-1));
    EXPECT_TRUE(table.moveUp(2));
    EXPECT_EQ(names(table), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_TRUE(table.moveDown(0));
    EXPECT_EQ(names(table), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(Vocabulary, IconFollowsTheDefaultWordInAnyCaseOnly) {
    FakeIconSource icons;
    Vocabulary vocabulary;
    vocabulary.setIcon("DeFAULT", 4);
    EXPECT_EQ(vocabulary.icon(icons), &icons.shellIconHandle);
    vocabulary.setIcon("default.ico", 4);
    EXPECT_EQ(vocabulary.icon(icons), &icons.extractedIconHandle);
    vocabulary.setIcon("shell32.dll", 0);
    vocabulary.icon(icons);
    EXPECT_EQ(icons.calls, (std::vector<std::string>{"shell DeFAULT", "extract default.ico 4",
                                                     "extract shell32.dll 0"}));
}

TEST(Vocabulary, NegativeIconIndexIsNoIconAndNeverAsked) {
    FakeIconSource icons;
    Vocabulary vocabulary;
    for (int32_t index : {-1, -2, INT32_MIN}) {
        vocabulary.setIcon("shell32.dll", index);
        EXPECT_EQ(vocabulary.icon(icons), nullptr) << index;
    }
    EXPECT_TRUE(icons.calls.empty());
}

TEST(DataStore, CloneIsCompleteAndIndependent) {
    auto source = makeRichStore();
    source->reservedWord = 99;
    auto copy = source->clone();
    source->reservedWord = 0;
    EXPECT_EQ(describeStore(*copy), describeStore(*source));
    EXPECT_EQ(copy->reservedWord, 0);

    source->vocabularies.at(0)->name = "Renamed";
    source->vocabularies.at(0)->keywords.first()->setText("gone");
    source->findWindowTitles.clear();
    source->reservedTexts[0] = "edited";
    EXPECT_EQ(copy->vocabularies.at(0)->name, "Legal");
    EXPECT_EQ(copy->vocabularies.at(0)->keywords.first()->text(), "Force Majeure");
    EXPECT_EQ(copy->findWindowTitles.count(), 2);
    EXPECT_EQ(copy->reservedTexts[0], "kept");
    EXPECT_NE(copy->vocabularies.at(1), source->vocabularies.at(1));
}

TEST(DataStore, SequenceForTitlePicksTheFirstFragmentInTheFoldedTitle) {
    const std::string title = "Report.TXT - NOTEPAD";
    DataStore store;
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, title), "<ctrl>f<ctrl>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::SelectText, title), "<ctrl>a<ctrl>");

    store.findWindowTitles.append("write");
    store.findSequences.append("<f1>");
    store.findWindowTitles.append("tepa"); // inside a longer word
    store.findSequences.append("<f2>");
    store.findWindowTitles.append("report");
    store.findSequences.append("<f3>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, title), "<f2>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::SelectText, title), "<ctrl>a<ctrl>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, "WordPad"), "<ctrl>f<ctrl>");

    // Any kind other than GoTo takes the select-all lists.
    store.selectAllWindowTitles.append("");
    store.selectAllSequences.append("<ctrl><home><ctrl>");
    EXPECT_EQ(store.sequenceForTitle(static_cast<SequenceKind>(7), "x"), "<ctrl><home><ctrl>");
}

TEST(DataStore, SequenceForTitleReadsLongTitlesWholeAndSurvivesUnequalPairs) {
    DataStore store;
    store.selectAllWindowTitles.append("tail");
    store.selectAllSequences.append("<f9>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::SelectText, std::string(300, 'x') + "TAIL"),
              "<f9>");
    // A title without its sequence (a damaged pair) selects nothing.
    store.findWindowTitles.append("a");
    store.findWindowTitles.append("b");
    store.findSequences.append("<f1>");
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, "b"), "<ctrl>f<ctrl>");
}

TEST(DataStore, TitlesOf255And256CharactersAreMatchedUpToTheirLastCharacter) {
    for (size_t length : {255u, 256u}) {
        const std::string title = std::string(length - 1, 'x') + "Q";
        DataStore store;
        store.findWindowTitles.append(std::string(length - 1, 'x') + "q");
        store.findSequences.append("<f2>");
        EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, title), "<f2>") << length;
        EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, title.substr(0, length - 1)),
                  "<ctrl>f<ctrl>")
            << length;
    }
}
