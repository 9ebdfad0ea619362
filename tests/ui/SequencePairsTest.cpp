// The window-specific key sequences as dialog rows: read in list order,
// replaced as a pair, absent when no row is left.
#include "ui/logic/SequencePairs.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> texts(const TextList& list) {
    std::vector<std::string> result;
    for (const TextItem& item : list)
        result.push_back(item.text().str());
    return result;
}

void addFindPairs(DataStore& store) {
    store.findWindowTitles.append("Notepad");
    store.findSequences.append("<ctrl>f<ctrl>");
    store.findWindowTitles.append("Word");
    store.findSequences.append("<alt>e<alt>f");
}

TEST(SequencePairs, NewStoreHasNoPairsAndTheDefaultsOfEachKind) {
    DataStore store;
    EXPECT_TRUE(readSequencePairs(store, SequenceKind::GoTo).empty());
    EXPECT_TRUE(readSequencePairs(store, SequenceKind::SelectText).empty());
    EXPECT_EQ(defaultSequence(store, SequenceKind::GoTo), "<ctrl>f<ctrl>");
    EXPECT_EQ(defaultSequence(store, SequenceKind::SelectText), "<ctrl>a<ctrl>");
}

TEST(SequencePairs, ReadsPairsInListOrderFromTheKindsOwnLists) {
    DataStore store;
    addFindPairs(store);
    std::vector<SequencePair> expected{{"Notepad", "<ctrl>f<ctrl>"}, {"Word", "<alt>e<alt>f"}};
    EXPECT_EQ(readSequencePairs(store, SequenceKind::GoTo), expected);
    EXPECT_TRUE(readSequencePairs(store, SequenceKind::SelectText).empty());
}

TEST(SequencePairs, UnequalListsFromADamagedFileGiveOnlyCompletePairs) {
    DataStore store;
    addFindPairs(store);
    store.findWindowTitles.append("orphan title");
    std::vector<SequencePair> pairs = readSequencePairs(store, SequenceKind::GoTo);
    ASSERT_EQ(pairs.size(), 2u);
    replaceSequences(store, SequenceKind::GoTo, "<ctrl>f<ctrl>", pairs);
    EXPECT_EQ(store.findWindowTitles.count(), store.findSequences.count());
}

TEST(SequencePairs, ReadingAndWritingBackUnchangedKeepsEverythingAsItWas) {
    DataStore store;
    addFindPairs(store);
    replaceSequences(store, SequenceKind::GoTo, defaultSequence(store, SequenceKind::GoTo),
                     readSequencePairs(store, SequenceKind::GoTo));
    EXPECT_EQ(texts(store.findWindowTitles), (std::vector<std::string>{"Notepad", "Word"}));
    EXPECT_EQ(texts(store.findSequences),
              (std::vector<std::string>{"<ctrl>f<ctrl>", "<alt>e<alt>f"}));
    EXPECT_EQ(store.defaultFindSequence, "<ctrl>f<ctrl>");
}

TEST(SequencePairs, ReplacingSelectTextLeavesTheFindSettingsAlone) {
    DataStore store;
    addFindPairs(store);
    replaceSequences(store, SequenceKind::SelectText, "<alt>a",
                     {{"Viewer", "<ctrl><home><ctrl>"}, {"", "<ctrl>a<ctrl>"}});
    EXPECT_EQ(texts(store.selectAllWindowTitles), (std::vector<std::string>{"Viewer", ""}));
    EXPECT_EQ(texts(store.selectAllSequences),
              (std::vector<std::string>{"<ctrl><home><ctrl>", "<ctrl>a<ctrl>"}));
    EXPECT_EQ(store.defaultSelectAllSequence, "<alt>a");
    EXPECT_EQ(store.findWindowTitles.count(), 2);
    EXPECT_EQ(store.defaultFindSequence, "<ctrl>f<ctrl>");
}

TEST(SequencePairs, NoRowsLeaveBothListsAbsentAndAnEmptyDefaultIsStored) {
    DataStore store;
    addFindPairs(store);
    replaceSequences(store, SequenceKind::GoTo, "", {});
    EXPECT_FALSE(store.findWindowTitles.present());
    EXPECT_FALSE(store.findSequences.present());
    EXPECT_EQ(store.defaultFindSequence, "");
}

TEST(SequencePairs, ReplacedTitlesAreFoldedSoTheyMatchWindowTitles) {
    DataStore store;
    replaceSequences(store, SequenceKind::GoTo, "<ctrl>f<ctrl>",
                     {{"WORD", "<alt>e<alt>f"}, {"word", "second"}});
    EXPECT_EQ(store.findWindowTitles.first()->foldedText(), "word");
    // The first pair whose title occurs wins, so the order of rows matters.
    EXPECT_EQ(store.sequenceForTitle(SequenceKind::GoTo, "Microsoft Word - a.doc"), "<alt>e<alt>f");
}

} // namespace
