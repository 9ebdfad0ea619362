// Saving and loading through the file system: the refused file kept as
// data.bad (or the next free rescue name), and a save stopped or failing at
// any point.
#include "vocab/datafile/DataFileStorage.h"
#include "FaultyFileSystem.h"
#include "tests/Fixtures.h"
#include "tests/vocab/StoreSamples.h"
#include "vocab/datafile/DataFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string kGarbage = "not a data file at all";

std::unique_ptr<DataStore> makeNewerStore() {
    auto store = makeRichStore();
    store->vocabularies.at(0)->name = "Newer";
    store->vocabularies.remove(1);
    store->playNotFoundSound = 1;
    return store;
}

class DataFileStorageTest : public ::testing::Test {
protected:
    // A fresh start-up: a new store loaded from `disk`.
    std::string startUp(MemoryFileSystem& files) {
        DataStore store;
        lastLoad = store.load(files, "data.dat");
        return describeStore(store);
    }

    MemoryFileSystem disk;
    LoadOutcome lastLoad = LoadOutcome::Loaded;
    const std::string oldDescription = describeStore(*makeRichStore());
    const std::string newDescription = describeStore(*makeNewerStore());
    const std::string newStoreDescription = describeStore(DataStore());
};

} // namespace

TEST(DataFilePaths, DeriveTheirNamesBesideTheDataFile) {
    const DataFilePaths plain = DataFilePaths::derivedFrom("data.dat");
    EXPECT_EQ(plain.temporary, "data.tmp");
    EXPECT_EQ(plain.previous, "data.old");
    EXPECT_EQ(plain.refused, "data.bad");
    EXPECT_EQ(DataFilePaths::derivedFrom("C:\\Zembra.v2\\data.dat").temporary,
              "C:\\Zembra.v2\\data.tmp");
    EXPECT_EQ(DataFilePaths::derivedFrom("C:\\Zembra.v2\\data").refused, "C:\\Zembra.v2\\data.bad");
}

TEST_F(DataFileStorageTest, SaveLeavesOnlyTheNewFileOnBothReplacePaths) {
    for (bool canReplace : {true, false}) {
        SCOPED_TRACE(canReplace ? "replace in one step" : "Windows 95/98 renames");
        disk.files = {{"data.dat", encode(*makeRichStore())}};
        disk.canReplace = canReplace;
        EXPECT_TRUE(makeNewerStore()->save(disk, "data.dat"));
        EXPECT_EQ(disk.files.size(), 1u);
        EXPECT_EQ(disk.files["data.dat"], encode(*makeNewerStore()));
    }
}

TEST_F(DataFileStorageTest, RefusedFileIsKeptAsDataBadWhenFirstOverwritten) {
    disk.files = {{"data.dat", kGarbage}};
    DataStore store;
    EXPECT_EQ(store.load(disk, "data.dat"), LoadOutcome::Refused);
    EXPECT_EQ(disk.files["data.dat"], kGarbage); // loading alone changes nothing
    // The tabbed window saves its working copy, not the loaded store.
    auto edited = store.clone();
    edited->vocabularies.add()->name = "fresh";
    ASSERT_TRUE(edited->save(disk, "data.dat"));
    EXPECT_EQ(disk.files["data.bad"], kGarbage);
    ASSERT_TRUE(edited->save(disk, "data.dat"));
    EXPECT_EQ(disk.files["data.bad"], kGarbage); // a good file is never set aside
    EXPECT_EQ(disk.files.size(), 2u);
}

TEST_F(DataFileStorageTest, RescuedFilesAreNeverOverwritten) {
    disk.files = {{"data.dat", kGarbage}, {"data.bad", "an earlier rescue"}};
    ASSERT_TRUE(makeRichStore()->save(disk, "data.dat"));
    EXPECT_EQ(disk.files["data.bad"], "an earlier rescue");
    EXPECT_EQ(disk.files["data1.bad"], kGarbage);
    disk.files["data.dat"] = "damaged again";
    ASSERT_TRUE(makeRichStore()->save(disk, "data.dat"));
    EXPECT_EQ(disk.files["data1.bad"], kGarbage);
    EXPECT_EQ(disk.files["data2.bad"], "damaged again");
    EXPECT_EQ(DataFilePaths::derivedFrom("C:\\Z\\data.dat").rescued(12), "C:\\Z\\data12.bad");
}

TEST_F(DataFileStorageTest, KeepingTheOldFileSetsAsideEvenASoundOne) {
    const std::string old = encode(*makeRichStore());
    disk.files = {{"data.dat", old}};
    ASSERT_TRUE(makeNewerStore()->save(disk, "data.dat", true));
    EXPECT_EQ(disk.files["data.bad"], old);
    EXPECT_EQ(disk.files["data.dat"], encode(*makeNewerStore()));
}

// The model only answers false: the window that saved tells the user.
TEST_F(DataFileStorageTest, FailedSaveKeepsTheOldFile) {
    const std::string old = encode(*makeRichStore());
    disk.files = {{"data.dat", old}};
    FaultyFileSystem faulty(disk);
    faulty.failAt = 1;
    faulty.failForGood = true;
    EXPECT_FALSE(makeNewerStore()->save(faulty, "data.dat"));
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", old}}));
}

TEST_F(DataFileStorageTest, ReadOnlyDataFileIsNeitherReplacedNorRenamed) {
    const std::string old = encode(*makeRichStore());
    for (bool canReplace : {true, false}) {
        disk.files = {{"data.dat", old}};
        disk.readOnly = {"data.dat"};
        disk.canReplace = canReplace;
        EXPECT_FALSE(makeNewerStore()->save(disk, "data.dat"));
        EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", old}}));
    }
}

TEST_F(DataFileStorageTest, StartUpRecoversFromAnInterruptedSwap) {
    const std::string old = encode(*makeRichStore());
    const std::string fresh = encode(*makeNewerStore());
    disk.files = {{"data.tmp", fresh}, {"data.old", old}};
    EXPECT_EQ(startUp(disk), newDescription);
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"data.dat", fresh}}));

    disk.files = {{"data.tmp", fresh.substr(0, 50)}, {"data.old", old}};
    EXPECT_EQ(startUp(disk), oldDescription);
    EXPECT_EQ(disk.files["data.dat"], old);

    // A first save stopped while writing leaves nothing to load, silently.
    disk.files = {{"data.tmp", fresh.substr(0, 50)}};
    EXPECT_EQ(startUp(disk), newStoreDescription);
    EXPECT_EQ(lastLoad, LoadOutcome::Unread);

    // Left-overs beside a data.dat are ignored.
    disk.files = {{"data.dat", old}, {"data.tmp", fresh}, {"data.old", fresh}};
    EXPECT_EQ(startUp(disk), oldDescription);
}

// Every save is tried with its k-th file operation failing once, failing
// from then on, and with the program stopping after k operations; a fresh
// start-up must then find the complete old or the complete new store.
struct SaveScenario {
    bool canReplace;
    const char* oldFile; // "good", "none" or "refused"
};

class SaveFaults : public DataFileStorageTest, public ::testing::WithParamInterface<SaveScenario> {
protected:
    MemoryFileSystem initialDisk() const {
        MemoryFileSystem initial;
        initial.canReplace = GetParam().canReplace;
        const std::string oldFile = GetParam().oldFile;
        if (oldFile == "good") {
            initial.files["data.dat"] = encode(*makeRichStore());
            initial.files["data.old"] = "stale left-over";
        } else if (oldFile == "refused") {
            initial.files["data.dat"] = kGarbage;
        }
        return initial;
    }

    std::set<std::string> acceptable() const {
        const std::string oldFile = GetParam().oldFile;
        return {oldFile == "good" ? oldDescription : newStoreDescription, newDescription};
    }

    void checkAfterFault(MemoryFileSystem& after, bool saved) {
        if (std::string(GetParam().oldFile) == "refused") {
            EXPECT_TRUE(after.files["data.dat"] == kGarbage || after.files["data.bad"] == kGarbage);
        }
        const std::string loaded = startUp(after);
        EXPECT_EQ(acceptable().count(loaded), 1u) << loaded;
        if (saved) {
            EXPECT_EQ(loaded, newDescription);
        }
        EXPECT_EQ(startUp(after), loaded); // recovery is stable
        ASSERT_TRUE(makeNewerStore()->save(after, "data.dat"));
        EXPECT_EQ(startUp(after), newDescription);
    }
};

TEST_P(SaveFaults, EveryFailureAndStopLeavesACompleteOldOrNewFile) {
    const auto newStore = makeNewerStore();
    for (int variant = 0; variant < 3; ++variant) {
        for (int k = 1;; ++k) {
            SCOPED_TRACE("variant " + std::to_string(variant) + " operation " + std::to_string(k));
            MemoryFileSystem after = initialDisk();
            FaultyFileSystem faulty(after);
            if (variant < 2) {
                faulty.failAt = k;
                faulty.failForGood = variant == 1;
            } else {
                faulty.crashAfter = k - 1;
            }
            bool saved = false;
            try {
                saved = newStore->save(faulty, "data.dat");
            } catch (const Crash&) {
            }
            checkAfterFault(after, saved);
            if (faulty.operations < k) {
                break; // the save completed before reaching operation k
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SaveFaults,
                         ::testing::Values(SaveScenario{true, "good"}, SaveScenario{true, "none"},
                                           SaveScenario{true, "refused"},
                                           SaveScenario{false, "good"}, SaveScenario{false, "none"},
                                           SaveScenario{false, "refused"}),
                         [](const ::testing::TestParamInfo<SaveScenario>& info) {
                             return std::string(info.param.canReplace ? "Replace" : "Renames") +
                                    "_" + info.param.oldFile;
                         });
