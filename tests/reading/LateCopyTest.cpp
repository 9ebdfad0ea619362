// The keeper's watch after the restore: a late copy of the document's
// program is undone, anyone else's change stays, and the watch is bounded.
#include "reading/ClipboardKeeper.h"

#include "FakeClipboard.h"
#include "FakeClock.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kDocument = FakeClipboard::kDocumentProgram;
constexpr uint32_t kOther = FakeClipboard::kOtherProgram;
constexpr uint32_t kThis = FakeClipboard::kThisProgram;

struct Change {
    uint32_t atMs; // after the restore
    uint32_t by;
};

// The user's "mine" saved, the capture's copy taken, `pending` copy requests
// left unanswered, the clipboard restored; then the watch with `changes`. On
// a `numbered` system the clipboard's sequence number tells a change; without
// one (Windows 95, NT 4) its owner and text do.
struct Watch {
    FakeClipboard clipboard;
    ClipboardKeeper keeper{clipboard};
    FakeClock clock;

    explicit Watch(int pending, bool numbered = true) {
        clipboard.numbered = numbered;
        clipboard.put({{FakeClipboard::kText, "mine"}});
        keeper.saveAndEmpty();
        clipboard.put({{FakeClipboard::kText, "the document"}}, kDocument);
        keeper.noteCaptureLeft(kDocument, pending);
    }
    std::string run(const std::vector<Change>& changes) {
        EXPECT_TRUE(keeper.restore());
        EXPECT_EQ(clipboard.text(), "mine");
        for (const Change& change : changes)
            clock.schedule(change.atMs, [this, change] {
                clipboard.put({{FakeClipboard::kText, "copy of " + std::to_string(change.by)}},
                              change.by);
            });
        keeper.watchForLateCopies(clock);
        clock.runAll();
        return clipboard.text();
    }
};

} // namespace

TEST(ClipboardKeeper, UndoesLateCopiesOfTheDocumentOnlyAndOnlyForAMoment) {
    const std::string mine = "mine";
    const std::string documents = "copy of " + std::to_string(kDocument);
    const std::string others = "copy of " + std::to_string(kOther);
    const struct {
        const char* what;
        int pending;
        std::vector<Change> changes;
        std::string left;
    } cases[] = {
        {"the document's late copy", 1, {{300, kDocument}}, mine},
        {"another program's copy", 1, {{300, kOther}}, others},
        {"the document's copy after the watch", 1, {{1100, kDocument}}, documents},
        {"no copy pending: no watch", 0, {{20, kDocument}}, documents},
        {"two late copies, two pending", 2, {{300, kDocument}, {900, kDocument}}, mine},
        {"two late copies, one pending", 1, {{300, kDocument}, {900, kDocument}}, documents},
        {"a second within a second of the first", 2, {{300, kDocument}, {1250, kDocument}}, mine},
        {"another program first, then the document",
         2,
         {{200, kOther}, {400, kDocument}},
         documents},
        {"this program's own change first", 1, {{200, kThis}, {400, kDocument}}, mine},
    };
    for (bool numbered : {true, false})
        for (const auto& k : cases) {
            Watch watch(k.pending, numbered);
            EXPECT_EQ(watch.run(k.changes), k.left) << k.what << ", numbered " << numbered;
            EXPECT_FALSE(watch.clipboard.isOpen) << k.what;
        }
}

TEST(ClipboardKeeper, TheWatchLastsASecondWithoutChanges) {
    Watch quiet(3);
    EXPECT_EQ(quiet.run({}), "mine");
    EXPECT_EQ(quiet.clock.waited, kLateCopyWatchMs);

    Watch none(0);
    none.run({});
    EXPECT_EQ(none.clock.waited, 0u);
}

// The document's copy that arrives between the capture and the restore is a
// late answer as well; the user's data goes back over it.
TEST(ClipboardKeeper, RestoresOverALateCopyOfTheDocumentBeforeTheRestore) {
    for (bool numbered : {true, false})
        for (uint32_t by : {kDocument, kOther}) {
            Watch watch(1, numbered);
            watch.clipboard.put({{FakeClipboard::kText, "late"}}, by);
            EXPECT_EQ(watch.keeper.restore(), by == kDocument) << by << ", numbered " << numbered;
            EXPECT_EQ(watch.clipboard.text(), by == kDocument ? "mine" : "late") << by;
        }
}
