// The one rule for "does the clipboard still hold what was left there", as
// the Keywords page asks it of its own copy (a mark with the copy's text) and
// the read's keeper of what the capture left (a mark by identity alone where
// the system numbers the contents, with the text where it does not).
#include "clipboard/ClipboardMark.h"

#include <gtest/gtest.h>

namespace {

const char kLines[] = "wren\tAny word\r\n";

TEST(ClipboardMark, TheContentIsKnownBySequenceOrElseByOwnerAndText) {
    const struct {
        const char* what;
        ClipboardIdentity then;
        const char* thenText; // null: remembered by identity alone
        ClipboardIdentity now;
        const char* nowText; // null: the clipboard cannot be read
        bool holds;
        bool asksText;
    } cases[] = {
        {"the same sequence number",
         {true, 41, 0x100},
         kLines,
         {true, 41, 0x100},
         kLines,
         true,
         false},
        // A conversion rendered for a reader may count as a change.
        {"renumbered, same owner and text",
         {true, 41, 0x100},
         kLines,
         {true, 42, 0x100},
         kLines,
         true,
         true},
        {"another program copied",
         {true, 41, 0x100},
         kLines,
         {true, 43, 0x200},
         kLines,
         false,
         false},
        {"the same owner, another text",
         {true, 41, 0x100},
         kLines,
         {true, 44, 0x100},
         "other",
         false,
         true},
        {"the same owner, unreadable",
         {true, 41, 0x100},
         kLines,
         {true, 44, 0x100},
         nullptr,
         false,
         true},
        // Windows 95 and NT 4: owner and text alone.
        {"unnumbered, same owner and text",
         {false, 0, 0x100},
         kLines,
         {false, 0, 0x100},
         kLines,
         true,
         true},
        {"unnumbered, no owner now",
         {false, 0, 0x100},
         kLines,
         {false, 0, 0},
         kLines,
         false,
         false},
        {"unnumbered, another text",
         {false, 0, 0x100},
         kLines,
         {false, 0, 0x100},
         "wren",
         false,
         true},
        {"unnumbered, a copy without an owner window",
         {false, 0, 0},
         "the document",
         {false, 0, 0},
         "the document",
         true,
         true},
        // The keeper's mark where the system numbers the contents.
        {"by identity, the same number",
         {true, 7, 0x300},
         nullptr,
         {true, 7, 0x300},
         "x",
         true,
         false},
        {"by identity, renumbered", {true, 7, 0x300}, nullptr, {true, 8, 0x300}, "x", false, false},
        {"by identity, unnumbered",
         {false, 0, 0x300},
         nullptr,
         {false, 0, 0x300},
         "x",
         false,
         false},
    };
    auto unasked = [](std::string&) -> bool {
        ADD_FAILURE() << "text asked of an empty mark";
        return true;
    };
    EXPECT_FALSE(ClipboardMark().stillHolds({true, 41, 0x100}, unasked)); // nothing copied yet

    for (const auto& k : cases) {
        ClipboardMark mark;
        if (k.thenText)
            mark.remember(k.then, k.thenText);
        else
            mark.remember(k.then);
        int textReads = 0;
        auto currentText = [&](std::string& text) {
            ++textReads;
            if (k.nowText)
                text = k.nowText;
            return k.nowText != nullptr;
        };
        EXPECT_EQ(mark.stillHolds(k.now, currentText), k.holds) << k.what;
        EXPECT_EQ(textReads != 0, k.asksText) << k.what;
    }
}

} // namespace
