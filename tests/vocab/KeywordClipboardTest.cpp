// KeywordClipboard: copying selected rows and pasting them elsewhere.
#include "vocab/KeywordClipboard.h"
#include "tests/Fixtures.h"
#include "vocab/MatchMode.h"

#include <gtest/gtest.h>

TEST(KeywordClipboard, CopiesSelectedRowsInOrderAndPastesThemIntoAnotherList) {
    FakeRows source;
    source.rows = {{"alpha", AnyWord, false},
                   {"Beta Gamma", AllWords, true},
                   {"delta", AnyWord, false},
                   {"Exact Phrase", ExactPhrase, true}};
    KeywordClipboard clipboard;
    EXPECT_FALSE(clipboard.canCopy()); // no target yet
    EXPECT_FALSE(clipboard.canPaste());
    clipboard.target = &source;
    EXPECT_TRUE(clipboard.canCopy());
    EXPECT_TRUE(clipboard.copy());
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"Beta Gamma", "Exact Phrase"}));
    EXPECT_EQ(clipboard.modes, (std::vector<uint16_t>{AllWords, ExactPhrase}));

    FakeRows other;
    other.rows = {{"kept", AnyWord, false}};
    clipboard.target = &other;
    EXPECT_FALSE(clipboard.canCopy());
    EXPECT_TRUE(clipboard.canPaste());
    EXPECT_TRUE(clipboard.paste());
    ASSERT_EQ(other.rows.size(), 3u);
    EXPECT_EQ(other.rows[1].text, "Beta Gamma");
    EXPECT_STREQ(matchModeText(other.rows[1].mode), "All words");
    EXPECT_EQ(other.rows[2].mode, ExactPhrase);
    EXPECT_STREQ(matchModeText(other.rows[2].mode), "Exact phrase");
    // Pasting does not use the clipboard up.
    EXPECT_TRUE(clipboard.paste());
    EXPECT_EQ(other.rows.size(), 5u);
}

// The system clipboard keeps the earlier copy and its mark says "ours", so the
// keyword clipboard must keep the rows that copy holds: Paste then pastes them.
TEST(KeywordClipboard, CopyWithoutSelectionChangesNothing) {
    FakeRows rows;
    rows.rows = {{"one", ExactPhrase, true}, {"two", AnyWord, false}};
    KeywordClipboard clipboard;
    clipboard.target = &rows;
    ASSERT_TRUE(clipboard.copy());
    rows.rows[0].selected = false;
    EXPECT_FALSE(clipboard.canCopy());
    EXPECT_FALSE(clipboard.copy());
    EXPECT_EQ(clipboard.texts, std::vector<std::string>{"one"});
    EXPECT_EQ(clipboard.modes, std::vector<uint16_t>{ExactPhrase});
    EXPECT_TRUE(clipboard.canPaste());
    EXPECT_TRUE(clipboard.paste());
    ASSERT_EQ(rows.rows.size(), 3u);
    EXPECT_EQ(rows.rows[2].text, "one");
    EXPECT_EQ(rows.rows[2].mode, ExactPhrase);
}
