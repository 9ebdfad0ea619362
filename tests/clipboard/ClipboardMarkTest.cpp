// The one rule for "does the clipboard still hold what was left there", as
// the Keywords page asks it of its own copy (a mark with the copy's text) and
// the read's keeper of what the capture left (a mark by identity alone where
// the system numbers the contents, with the text where it does not).
#include "clipboard/ClipboardMark.h"

#include <gtest/gtest.h>

namespace {

const char kLines[] = "wren\tAny word\r\n";
const ClipboardIdentity kCopied{true, 41, 0x100};
const ClipboardIdentity kRenumbered{true, 42, 0x100};
const ClipboardIdentity kCopiedByOther{true, 43, 0x200};
const ClipboardIdentity kUnnumbered{false, 0, 0x100};
const ClipboardIdentity kUnnumberedNoOwner{false, 0, 0};

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
        {"the same sequence number", kCopied, kLines, kCopied, kLines, true, false},
        // A conversion rendered for a reader may count as a change.
        {"renumbered, same owner and text", kCopied, kLines, kRenumbered, kLines, true, true},
        {"another program copied", kCopied, kLines, kCopiedByOther, kLines, false, false},
        {"the same owner, another text", kCopied, kLines, kRenumbered, "other", false, true},
        {"the same owner, unreadable", kCopied, kLines, kRenumbered, nullptr, false, true},
        // Windows 95 and NT 4: owner and text alone.
        {"unnumbered, same owner and text", kUnnumbered, kLines, kUnnumbered, kLines, true, true},
        {"unnumbered, no owner now", kUnnumbered, kLines, kUnnumberedNoOwner, kLines, false, false},
        {"unnumbered, another text", kUnnumbered, kLines, kUnnumbered, "wren", false, true},
        {"unnumbered, a copy without an owner window", kUnnumberedNoOwner, "the document",
         kUnnumberedNoOwner, "the document", true, true},
        // The keeper's mark where the system numbers the contents: no text.
        {"by identity, the same number", kCopied, nullptr, kCopied, kLines, true, false},
        {"by identity, renumbered", kCopied, nullptr, kRenumbered, kLines, false, false},
        {"unreadable when marked", kUnnumbered, nullptr, kUnnumbered, kLines, false, false},
    };
    auto unasked = [](std::string&) -> bool {
        ADD_FAILURE() << "text asked of an empty mark";
        return true;
    };
    EXPECT_FALSE(ClipboardMark().stillHolds(kCopied, unasked)); // nothing copied yet

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
