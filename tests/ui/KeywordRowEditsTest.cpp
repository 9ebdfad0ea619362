// The Keywords page's rows without a window: block moves with their stops,
// deletion of the selection, write back, and copy/paste between vocabularies.
#include "ui/logic/KeywordRowEdits.h"
#include "tests/Caller.h"
#include "tests/Fixtures.h"

#include "vocab/Vocabulary.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<std::pair<std::string, int32_t>> entries(const Vocabulary& vocabulary) {
    std::vector<std::pair<std::string, int32_t>> result;
    for (const KeywordEntry& entry : vocabulary.keywords)
        result.emplace_back(entry.text().str(), entry.matchMode);
    return result;
}

TEST(KeywordRowMoves, ABlockMovesUpTogetherUntilItReachesTheTop) {
    FakeRows fake = FakeRows::numbered(6, {2, 3});
    EXPECT_TRUE(moveSelectedRowsUp(fake));
    EXPECT_EQ(fake.order(), "023145");
    EXPECT_EQ(fake.selectedRows(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(moveSelectedRowsUp(fake));
    EXPECT_EQ(fake.order(), "230145");
    EXPECT_EQ(fake.selectedRows(), (std::vector<int>{0, 1}));
    EXPECT_FALSE(moveSelectedRowsUp(fake));
    EXPECT_EQ(fake.order(), "230145");
}

TEST(KeywordRowMoves, ABlockMovesDownTogetherUntilItReachesTheBottom) {
    FakeRows fake = FakeRows::numbered(5, {1, 2});
    EXPECT_TRUE(moveSelectedRowsDown(fake));
    EXPECT_EQ(fake.order(), "03124");
    EXPECT_TRUE(moveSelectedRowsDown(fake));
    EXPECT_EQ(fake.order(), "03412");
    EXPECT_EQ(fake.selectedRows(), (std::vector<int>{3, 4}));
    EXPECT_FALSE(moveSelectedRowsDown(fake));
    EXPECT_EQ(fake.order(), "03412");
}

TEST(KeywordRowMoves, ASelectedEndRowHoldsEveryOtherSelectedRowInPlace) {
    FakeRows up = FakeRows::numbered(6, {0, 4});
    EXPECT_FALSE(moveSelectedRowsUp(up));
    EXPECT_EQ(up.order(), "012345");
    FakeRows down = FakeRows::numbered(6, {1, 5});
    EXPECT_FALSE(moveSelectedRowsDown(down));
    EXPECT_EQ(down.order(), "012345");
    EXPECT_EQ(down.selectedRows(), (std::vector<int>{1, 5}));
}

TEST(KeywordRowMoves, SeparateSelectedRowsEachMoveAndKeepTextAndMode) {
    FakeRows fake = FakeRows::numbered(6, {1, 4});
    EXPECT_TRUE(moveSelectedRowsDown(fake));
    EXPECT_EQ(fake.order(), "021354");
    EXPECT_EQ(fake.rows[2].text, "r1");
    EXPECT_EQ(fake.rows[2].mode, 1);
    EXPECT_EQ(fake.rows[5].mode, 1); // r4: 4 % 3
    FakeRows none = FakeRows::numbered(3, {});
    EXPECT_FALSE(moveSelectedRowsUp(none));
    EXPECT_FALSE(moveSelectedRowsDown(none));
    FakeRows empty;
    EXPECT_FALSE(moveSelectedRowsDown(empty));
}

TEST(KeywordRowSelection, FirstSelectedIsTheLowestAndDeleteTakesEverySelectedRow) {
    FakeRows fake = FakeRows::numbered(6, {5, 3});
    EXPECT_EQ(firstSelectedRow(fake), 3);
    EXPECT_EQ(deleteSelectedRows(fake), 2);
    EXPECT_EQ(fake.order(), "0124");
    EXPECT_EQ(firstSelectedRow(fake), -1);
    EXPECT_EQ(deleteSelectedRows(fake), 0);
}

TEST(KeywordWriteBack, TheVocabularyHoldsExactlyTheRowsInRowOrder) {
    Vocabulary vocabulary;
    vocabulary.addKeyword("stale", ExactPhrase);
    FakeRows fake = FakeRows::numbered(3, {});
    fake.setRow(1, "", AllWords); // an empty text is stored as it comes
    writeRowsBack(fake, vocabulary);
    using Entries = std::vector<std::pair<std::string, int32_t>>;
    EXPECT_EQ(entries(vocabulary), (Entries{{"r0", 0}, {"", 1}, {"r2", 2}}));
    EXPECT_EQ(vocabulary.keywords.first()->foldedText(), "r0");

    FakeRows empty;
    writeRowsBack(empty, vocabulary);
    EXPECT_FALSE(vocabulary.keywords.present());
}

TEST(KeywordWriteBack, FillingRowsFromAVocabularyRoundTrips) {
    Vocabulary vocabulary;
    vocabulary.addKeyword("Alpha Beta", AllWords);
    vocabulary.addKeyword("gamma", ExactPhrase);
    FakeRows fake;
    appendVocabularyRows(vocabulary, fake);
    ASSERT_EQ(fake.rowCount(), 2);
    EXPECT_EQ(fake.rows[0].text, "Alpha Beta");
    EXPECT_EQ(fake.rows[1].mode, ExactPhrase);
    Vocabulary copy;
    writeRowsBack(fake, copy);
    EXPECT_EQ(entries(copy), entries(vocabulary));
}

// The page's Copy in one vocabulary, then Paste + write back in another.
TEST(KeywordClipboardRows, CopiedRowsPasteIntoAnotherVocabularyWithTheirModes) {
    KeywordClipboard clipboard;
    FakeRows source = FakeRows::numbered(4, {1, 2});
    clipboard.target = &source;
    ASSERT_TRUE(clipboard.copy());

    Vocabulary other;
    other.addKeyword("own", AnyWord);
    FakeRows target;
    appendVocabularyRows(other, target);
    clipboard.target = &target;
    ASSERT_TRUE(clipboard.paste());
    writeRowsBack(target, other);
    using Entries = std::vector<std::pair<std::string, int32_t>>;
    EXPECT_EQ(entries(other), (Entries{{"own", 0}, {"r1", 1}, {"r2", 2}}));

    // The clipboard keeps its rows: a second paste adds them once more.
    ASSERT_TRUE(clipboard.paste());
    writeRowsBack(target, other);
    EXPECT_EQ(other.keywords.count(), 5);

    // Copy with nothing selected changes nothing: the system clipboard still
    // holds the program's own copy of these rows, and Paste adds them.
    FakeRows unselected = FakeRows::numbered(2, {});
    clipboard.target = &unselected;
    EXPECT_FALSE(clipboard.copy());
    clipboard.target = &target;
    EXPECT_TRUE(clipboard.paste());
    EXPECT_EQ(target.rowCount(), 7);
}

// A list control that counts what the program asks of it, one message each,
// and finds the next selected row itself as the control does.
class CountingRows : public EditableKeywordRows {
public:
    std::vector<std::string> texts;
    std::set<int> selected;
    mutable int operations = 0;

    explicit CountingRows(int count) {
        for (int i = 0; i < count; ++i)
            texts.push_back("r" + std::to_string(i));
    }
    int rowCount() const override { return count(static_cast<int>(texts.size())); }
    bool isSelected(int row) const override { return count(selected.count(row) > 0); }
    int nextSelectedRow(int row) const override {
        auto next = selected.upper_bound(row);
        return count(next == selected.end() ? -1 : *next);
    }
    std::string rowText(int row) const override { return count(texts.at(row)); }
    int32_t rowMode(int) const override { return count(AnyWord); }
    void appendRow(const std::string& text, int32_t) override {
        ++operations;
        texts.push_back(text);
    }
    void insertRow(int row, const std::string& text, int32_t) override {
        ++operations;
        texts.insert(texts.begin() + row, text);
        shiftSelection(row, +1);
    }
    void setRow(int row, const std::string& text, int32_t) override {
        ++operations;
        texts.at(row) = text;
    }
    void deleteRow(int row) override {
        ++operations;
        selected.erase(row);
        texts.erase(texts.begin() + row);
        shiftSelection(row, -1);
    }
    void setSelected(int row, bool on) override {
        ++operations;
        if (on)
            selected.insert(row);
        else
            selected.erase(row);
    }

private:
    template <class T> T count(T value) const {
        ++operations;
        return value;
    }
    // The control keeps each row's state when rows above it come or go.
    void shiftSelection(int from, int by) {
        std::set<int> shifted;
        for (int row : selected)
            shifted.insert(row >= from ? row + by : row);
        selected = shifted;
    }
};

// A block of 3 rows, 100 scattered rows and a copy of 3 in a list of 2,000:
// what each costs in messages follows the block, whatever the list's length.
TEST(KeywordRowCost, BlockEditsTouchOnlyTheirRows) {
    CountingRows rows(2000);
    rows.selected = {1000, 1001, 1002};
    ASSERT_TRUE(moveSelectedRowsUp(rows));
    EXPECT_EQ(rows.texts[999], "r1000");
    EXPECT_EQ(rows.texts[1002], "r999");
    EXPECT_EQ(rows.selected, (std::set<int>{999, 1000, 1001}));
    EXPECT_LE(rows.operations, 4 + 3 * 5);

    rows.operations = 0;
    ASSERT_TRUE(moveSelectedRowsDown(rows));
    EXPECT_EQ(rows.texts[999], "r999");
    EXPECT_LE(rows.operations, 5 + 3 * 5);

    rows.operations = 0;
    KeywordClipboard clipboard;
    clipboard.target = &rows;
    ASSERT_TRUE(clipboard.copy());
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"r1000", "r1001", "r1002"}));
    ASSERT_TRUE(clipboard.paste());
    EXPECT_EQ(rows.texts.back(), "r1002");
    EXPECT_LE(rows.operations, 4 + 3 * 3 + 3);

    rows.operations = 0;
    rows.selected.clear();
    for (int row = 5; row < 2000; row += 20)
        rows.selected.insert(row);
    EXPECT_EQ(deleteSelectedRows(rows), 100);
    EXPECT_EQ(rows.texts.size(), 1903u);
    EXPECT_EQ(rows.texts[5], "r6");
    EXPECT_TRUE(rows.selected.empty());
    EXPECT_LE(rows.operations, 101 + 100);
}

// The page edits the list and, the same way, the vocabulary's entries in
// memory: after each action the vocabulary holds exactly the rows.
TEST(KeywordEntryRowsTwin, TheSameEditKeepsTheVocabularyEqualToTheRows) {
    Vocabulary vocabulary;
    FakeRows shown = FakeRows::numbered(7, {});
    writeRowsBack(shown, vocabulary);
    auto editBoth = [&](std::vector<int> selection, bool (*edit)(EditableKeywordRows&),
                        Caller caller = {}) {
        TRACE_CALLER(caller);
        for (FakeRow& row : shown.rows)
            row.selected = false;
        for (int row : selection)
            shown.setSelected(row, true);
        KeywordEntryRows twin(vocabulary, selectedRows(shown));
        bool changed = edit(shown);
        EXPECT_EQ(edit(twin), changed);
        twin.writeTo(vocabulary);
        Vocabulary fromRows;
        writeRowsBack(shown, fromRows);
        EXPECT_EQ(entries(vocabulary), entries(fromRows));
        return changed;
    };
    auto deleteRows = [](EditableKeywordRows& rows) { return deleteSelectedRows(rows) > 0; };
    EXPECT_TRUE(editBoth({2, 3, 6}, deleteRows));
    EXPECT_TRUE(editBoth({1, 2}, moveSelectedRowsUp));
    EXPECT_TRUE(editBoth({0, 2}, moveSelectedRowsDown));
    EXPECT_FALSE(editBoth({0, 2}, moveSelectedRowsUp));
    EXPECT_FALSE(editBoth({1, 3}, moveSelectedRowsDown));
    using Entries = std::vector<std::pair<std::string, int32_t>>;
    EXPECT_EQ(entries(vocabulary), (Entries{{"r4", 1}, {"r1", 1}, {"r5", 2}, {"r0", 0}}));

    KeywordEntryRows appended(vocabulary, {});
    appendRows(appended, {{"new", ExactPhrase}, {"", AllWords}});
    appended.writeTo(vocabulary);
    EXPECT_EQ(vocabulary.keywords.count(), 6);
    EXPECT_EQ(entries(vocabulary).back(), (std::pair<std::string, int32_t>{"", AllWords}));
}

} // namespace
