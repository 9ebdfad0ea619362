// The program's data at start-up: a data.dat that exists but could not be
// read (held open by another program) is read again once it can be, and
// otherwise kept aside by the first save; no rescued file is ever
// overwritten.
#include "app/logic/ProgramData.h"
#include "tests/Caller.h"
#include "tests/Fixtures.h"
#include "tests/app/LockingFileSystem.h"
#include "tests/vocab/StoreSamples.h"
#include "vocab/datafile/DataFile.h"

#include <gtest/gtest.h>

namespace {

class ProgramDataTest : public ::testing::Test {
protected:
    // Starts with data.dat held open, then lets it go.
    void startWhileLocked(ProgramData& data, Caller caller = {}) {
        TRACE_CALLER(caller);
        disk.locked = {"data.dat"};
        EXPECT_EQ(data.load(), LoadOutcome::Unreadable);
        EXPECT_EQ(describeStore(data.store()), describeStore(DataStore()));
        disk.locked.clear();
    }

    LockingFileSystem disk;
    const std::string original = encode(*makeRichStore());
};

} // namespace

TEST_F(ProgramDataTest, FileUnreadableAtStartUpIsKeptAsideByTheFirstSave) {
    disk.files = {{"data.dat", original}};
    ProgramData data(disk, "data.dat");
    startWhileLocked(data);
    data.store().vocabularies.add()->name = "typed after start-up";
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files["data.bad"], original);
    EXPECT_EQ(disk.files["data.dat"], encode(data.store()));
    // Only the first save: the file it wrote is the program's own.
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files.size(), 2u);
    EXPECT_EQ(disk.files["data.bad"], original);
}

TEST_F(ProgramDataTest, SaveWhileStillLockedFailsAndTheNextOneStillKeepsTheFile) {
    disk.files = {{"data.dat", original}};
    ProgramData data(disk, "data.dat");
    disk.locked = {"data.dat"};
    data.load();
    EXPECT_FALSE(data.save());
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", original}}));
    disk.locked.clear();
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files["data.bad"], original);
}

TEST_F(ProgramDataTest, AnEarlierRescueStaysAndTheFileTakesTheNextFreeName) {
    disk.files = {{"data.dat", original}, {"data.bad", "rescued last week"}, {"data1.bad", "x"}};
    ProgramData data(disk, "data.dat");
    startWhileLocked(data);
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files["data.bad"], "rescued last week");
    EXPECT_EQ(disk.files["data1.bad"], "x");
    EXPECT_EQ(disk.files["data2.bad"], original);
}

TEST_F(ProgramDataTest, FileReadAtStartUpIsSimplyReplaced) {
    disk.files = {{"data.dat", original}};
    ProgramData data(disk, "data.dat");
    ASSERT_EQ(data.load(), LoadOutcome::Loaded);
    data.store().vocabularies.remove(0);
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", encode(data.store())}}));
}

TEST_F(ProgramDataTest, NoFileAtStartUpLeavesNothingToKeep) {
    ProgramData data(disk, "data.dat");
    EXPECT_EQ(data.load(), LoadOutcome::Unread);
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files.size(), 1u);
}

TEST_F(ProgramDataTest, FileUnreadableAtStartUpIsReadOnceItCanBeAndThenSimplyReplaced) {
    disk.files = {{"data.dat", original}};
    ProgramData data(disk, "data.dat");
    disk.locked = {"data.dat"};
    ASSERT_EQ(data.load(), LoadOutcome::Unreadable);
    EXPECT_TRUE(data.fileUnread());
    EXPECT_EQ(data.loadAgain(), LoadOutcome::Unreadable); // still held
    EXPECT_EQ(describeStore(data.store()), describeStore(DataStore()));
    disk.locked.clear();
    ASSERT_EQ(data.loadAgain(), LoadOutcome::Loaded);
    EXPECT_FALSE(data.fileUnread());
    EXPECT_EQ(describeStore(data.store()), describeStore(*makeRichStore()));
    // Read once: a later try changes nothing, edits included.
    data.store().vocabularies.remove(0);
    const std::string edited = describeStore(data.store());
    EXPECT_EQ(data.loadAgain(), LoadOutcome::Unread);
    EXPECT_EQ(describeStore(data.store()), edited);
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", encode(data.store())}}));
}

// Only an unreadable file is tried again: a missing one stays missing, and a
// refused one was read and is what it is.
TEST_F(ProgramDataTest, NothingElseIsTriedAgain) {
    for (const char* bytes : {"", "not a data file"}) {
        disk.files.clear();
        if (*bytes)
            disk.files["data.dat"] = bytes;
        ProgramData data(disk, "data.dat");
        data.load();
        EXPECT_FALSE(data.fileUnread()) << bytes;
        disk.files["data.dat"] = original;
        EXPECT_EQ(data.loadAgain(), LoadOutcome::Unread) << bytes;
        EXPECT_EQ(describeStore(data.store()), describeStore(DataStore())) << bytes;
    }
}

TEST_F(ProgramDataTest, FileDamagedWhenFinallyReadIsRefusedAndKeptAside) {
    disk.files = {{"data.dat", "damaged"}};
    ProgramData data(disk, "data.dat");
    disk.locked = {"data.dat"};
    data.load();
    disk.locked.clear();
    EXPECT_EQ(data.loadAgain(), LoadOutcome::Refused);
    EXPECT_FALSE(data.fileUnread());
    ASSERT_TRUE(data.save());
    EXPECT_EQ(disk.files["data.bad"], "damaged");
}
