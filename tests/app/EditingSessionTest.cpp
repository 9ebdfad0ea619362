// The tabbed window's editing session: the program always holds exactly one
// store, a failed save keeps every edit and lets nothing else end the session
// while it is told, and a commit ends busy at once.
#include "app/logic/EditingSession.h"
#include "tests/Fixtures.h"
#include "tests/app/LockingFileSystem.h"
#include "tests/vocab/StoreSamples.h"
#include "vocab/datafile/DataFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class FakeHost : public EditingHost {
public:
    void setBusy(bool on) override { busy.push_back(on); }
    void reportSaveFailed() override {
        ++failuresTold;
        if (whileTelling) {
            whileTelling();
        }
    }

    bool confirmSaveWithoutFile() override {
        ++questionsAsked;
        return saveWithoutFile;
    }

    std::vector<bool> busy;
    int failuresTold = 0;
    int questionsAsked = 0;
    bool saveWithoutFile = false;
    // What the user does while the message box shows (its loop pumps).
    std::function<void()> whileTelling;
};

class EditingSessionTest : public ::testing::Test {
protected:
    EditingSessionTest() {
        disk.files = {{"data.dat", original}};
        data.load();
    }

    std::string current() const { return describeStore(data.store()); }

    LockingFileSystem disk;
    const std::string original = encode(*makeRichStore());
    const std::string originalStore = describeStore(*makeRichStore());
    ProgramData data{disk, "data.dat"};
    FakeHost host;
};

} // namespace

TEST_F(EditingSessionTest, FailedSaveKeepsTheEditsAndNoCancelOrOkGetsInWhileItIsTold) {
    disk.readOnly = {"data.dat"};
    EditingSession session(data, host);
    data.store().vocabularies.remove(0);
    const std::string edited = current();
    host.whileTelling = [&] {
        EXPECT_FALSE(session.discard());
        EXPECT_EQ(session.commit(), CommitResult::Refused);
        EXPECT_EQ(current(), edited);
    };
    EXPECT_EQ(session.commit(), CommitResult::Failed);
    EXPECT_EQ(host.failuresTold, 1);
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(current(), edited);
    EXPECT_EQ(host.busy, std::vector<bool>{true}); // still editing
    EXPECT_EQ(disk.files["data.dat"], original);

    // Cancel afterwards brings back the store from before the window.
    EXPECT_TRUE(session.discard());
    EXPECT_EQ(current(), originalStore);
    EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
    EXPECT_FALSE(session.discard());
    EXPECT_EQ(session.commit(), CommitResult::Refused);
    EXPECT_EQ(current(), originalStore);
}

TEST_F(EditingSessionTest, OkAgainOnceTheFileMayBeWrittenSavesTheSameEdits) {
    disk.readOnly = {"data.dat"};
    EditingSession session(data, host);
    data.store().vocabularies.at(1)->name = "Renamed";
    ASSERT_EQ(session.commit(), CommitResult::Failed);
    disk.readOnly.clear();
    ASSERT_EQ(session.commit(), CommitResult::Saved);
    EXPECT_EQ(data.store().vocabularies.at(1)->name, "Renamed");
    EXPECT_EQ(disk.files["data.dat"], encode(data.store()));
}

// The drop of a drag begun on the Vocabularies page may come while the
// window is still being taken down: the store is saved and busy is off by
// then.
TEST_F(EditingSessionTest, CommitSavesOnceAndEndsBusyAtOnce) {
    EditingSession session(data, host);
    EXPECT_EQ(host.busy, std::vector<bool>{true});
    data.store().vocabularies.add()->name = "New";
    ASSERT_EQ(session.commit(), CommitResult::Saved);
    EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(disk.files["data.dat"], encode(data.store()));
    const std::string saved = current();

    disk.files["data.dat"] = "untouched";
    EXPECT_EQ(session.commit(), CommitResult::Refused);
    EXPECT_FALSE(session.discard());
    EXPECT_EQ(disk.files["data.dat"], "untouched");
    EXPECT_EQ(current(), saved);
    EXPECT_EQ(host.busy.size(), 2u);
}

TEST_F(EditingSessionTest, WindowClosedByTheSystemDiscardsTheCopy) {
    {
        EditingSession session(data, host);
        data.store().vocabularies.remove(0);
    }
    EXPECT_EQ(current(), originalStore);
    EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(disk.files["data.dat"], original);
}

// A data file that could not be read when the window opened is set aside
// only when the user says so; until then OK keeps the window and the file.
TEST_F(EditingSessionTest, OkWithoutTheUnreadFileAsksFirstAndNoKeepsEverything) {
    ProgramData unread(disk, "data.dat");
    disk.locked = {"data.dat"};
    ASSERT_EQ(unread.load(), LoadOutcome::Unreadable);
    disk.locked.clear(); // readable again, but the window's copy lacks it all the same
    EditingSession session(unread, host);
    unread.store().vocabularies.add()->name = "Typed";
    const std::string edited = describeStore(unread.store());

    EXPECT_EQ(session.commit(), CommitResult::Declined);
    EXPECT_EQ(host.questionsAsked, 1);
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(describeStore(unread.store()), edited);
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", original}}));

    host.saveWithoutFile = true;
    ASSERT_EQ(session.commit(), CommitResult::Saved);
    EXPECT_EQ(disk.files["data.bad"], original);
    EXPECT_EQ(disk.files["data.dat"], encode(unread.store()));
    EXPECT_FALSE(unread.fileUnread());
}

TEST_F(EditingSessionTest, OkOverAFileThatWasReadAsksNothing) {
    EditingSession session(data, host);
    ASSERT_EQ(session.commit(), CommitResult::Saved);
    EXPECT_EQ(host.questionsAsked, 0);
}

TEST(ProgramDataStore, IsNeverLeftWithoutAStore) {
    MemoryFileSystem disk;
    ProgramData data(disk, "data.dat");
    DataStore* before = &data.store();
    EXPECT_EQ(data.exchange(nullptr), nullptr);
    EXPECT_EQ(&data.store(), before);
}
