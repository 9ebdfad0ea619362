// The program's data at start-up: a data.dat that exists but could not be
// read (held open by another program) is kept aside by the first save, and
// no rescued file is ever overwritten.
#include "app/logic/ProgramData.h"
#include "tests/Caller.h"
#include "tests/Fixtures.h"
#include "tests/vocab/StoreSamples.h"
#include "tests/vocab/datafile/MemoryFileSystem.h"
#include "vocab/datafile/DataFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Files another program holds open without sharing: they exist, but cannot
// be read, written, renamed or replaced.
class LockingFileSystem : public MemoryFileSystem {
public:
    std::set<std::string> locked;

    bool readWholeFile(const std::string& path, std::string& bytes) override {
        return !locked.count(path) && MemoryFileSystem::readWholeFile(path, bytes);
    }
    std::unique_ptr<OutputFile> openForWrite(const std::string& path) override {
        return locked.count(path) ? nullptr : MemoryFileSystem::openForWrite(path);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return !locked.count(from) && MemoryFileSystem::rename(from, to);
    }
    ReplaceResult replace(const std::string& from, const std::string& to) override {
        if (locked.count(from) || locked.count(to)) {
            return ReplaceResult::Failed;
        }
        return MemoryFileSystem::replace(from, to);
    }
    bool remove(const std::string& path) override {
        return !locked.count(path) && MemoryFileSystem::remove(path);
    }
};

class ProgramDataTest : public ::testing::Test {
protected:
    // Starts with data.dat held open, then lets it go.
    void startWhileLocked(ProgramData& data, Caller caller = {}) {
        TRACE_CALLER(caller);
        disk.locked = {"data.dat"};
        EXPECT_EQ(data.load(), LoadOutcome::Unread); // silent, as for a missing file
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
