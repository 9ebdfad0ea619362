// The data file's layout: golden bytes, round trips, and damaged files that
// must be refused without harm.
#include "vocab/datafile/DataFile.h"
#include "MemoryFileSystem.h"
#include "tests/Caller.h"
#include "tests/Fixtures.h"
#include "tests/vocab/StoreSamples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace std::string_literals;

namespace {

std::string le32(int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
            static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24)};
}

std::string text(const std::string& bytes) {
    return le32(static_cast<int32_t>(bytes.size())) + bytes;
}

std::string goldenPath(const char* name) {
    return std::string(ZF_TEST_DATA_DIR) + "/vocab/datafile/golden/" + name;
}

std::string readGolden(const char* name) {
    std::ifstream file(goldenPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// ZF_UPDATE_GOLDEN=1 rewrites the golden files and the fuzzer's seeds.
void updateGoldenIfAsked(const char* name, const std::string& bytes) {
    if (!std::getenv("ZF_UPDATE_GOLDEN")) {
        return;
    }
    for (const std::string& path :
         {goldenPath(name), std::string(ZF_TEST_DATA_DIR) + "/fuzz/corpus/load_fuzzer/" + name}) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
}

void patch(std::string& bytes, size_t offset, int32_t value) {
    bytes.replace(offset, 4, le32(value));
}

class DataFileLoad : public ::testing::Test {
protected:
    // Loads `bytes` as data.dat into a new store; true when it was loaded.
    bool load(const std::string& bytes) {
        disk.files["data.dat"] = bytes;
        store = std::make_unique<DataStore>();
        outcome = store->load(disk, "data.dat");
        return outcome == LoadOutcome::Loaded;
    }
    void expectRefused(const std::string& bytes, const std::string& what, Caller caller = {}) {
        TRACE_CALLER(caller);
        SCOPED_TRACE(what);
        load(bytes);
        EXPECT_EQ(outcome, LoadOutcome::Refused);
        EXPECT_EQ(describeStore(*store), describeStore(DataStore()));
    }

    MemoryFileSystem disk;
    LoadOutcome outcome = LoadOutcome::Unread;
    std::unique_ptr<DataStore> store;
    const std::string rich = encode(*makeRichStore());
};

} // namespace

TEST(DataFileLayout, NewStoreWritesTheGolden130Bytes) {
    std::string expected = "\x65\x79\x00\x00"s;
    expected += le32(0) + le32(2020) + le32(1) + le32(1);
    expected += le32(0) + le32(0) + le32(0) + text("<ctrl>f<ctrl>");
    expected += le32(0) + le32(0) + text("<ctrl>a<ctrl>");
    for (int i = 0; i < 10; ++i) {
        expected += le32(0);
    }
    expected += le32(0) + le32(0) + le32(0) + le32(0);
    const std::string bytes = encode(DataStore());
    updateGoldenIfAsked("new_store.dat", bytes);
    EXPECT_EQ(bytes.size(), 130u);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes, readGolden("new_store.dat"));
}

TEST(DataFileLayout, VocabularyRecordsRepeatTheEntryCount) {
    DataStore store;
    Vocabulary* empty = store.vocabularies.add();
    empty->name = "Abcd";
    Vocabulary* full = store.vocabularies.add();
    full->setIcon("i", -2);
    full->addKeyword("x", AnyWord);
    full->addKeyword("Yy", ExactPhrase)->tag = 9;
    full->addKeyword("", AllWords);
    const std::string vocabularies = le32(2) + text("Abcd") + text("") + le32(0) + le32(0) +
                                     text("") + text("i") + le32(-2) + le32(3) + le32(3) + le32(0) +
                                     le32(0) + text("x") + le32(2) + le32(9) + text("Yy") +
                                     le32(1) + le32(0) + text("");
    EXPECT_EQ(encode(store).substr(20, vocabularies.size()), vocabularies);
}

TEST(DataFileLayout, TextListItemsPutTheTagAfterTheText) {
    DataStore store;
    store.selectAllWindowTitles.append("Ab")->tag = 5;
    store.selectAllSequences.append("c");
    const std::string part =
        le32(1) + text("Ab") + le32(5) + le32(1) + text("c") + le32(0) + text("<ctrl>a<ctrl>");
    EXPECT_NE(encode(store).find(part), std::string::npos);
}

TEST_F(DataFileLoad, NewStoreFileLoadsAsANewStore) {
    ASSERT_TRUE(load(encode(DataStore())));
    EXPECT_EQ(describeStore(*store), describeStore(DataStore()));
}

TEST_F(DataFileLoad, RichStoreRoundTripsEveryField) {
    updateGoldenIfAsked("rich_store.dat", rich);
    EXPECT_EQ(rich, readGolden("rich_store.dat"));
    ASSERT_TRUE(load(rich));
    EXPECT_EQ(describeStore(*store), describeStore(*makeRichStore()));
    EXPECT_EQ(encode(*store), rich);
    EXPECT_EQ(store->vocabularies.at(0)->keywords.first()->last()->text(), "\xC4nderung Clause");
}

TEST_F(DataFileLoad, ReservedWordComesBackAsZeroAndTrailingBytesAreIgnored) {
    std::string bytes = rich;
    patch(bytes, 4, 0x1234);
    ASSERT_TRUE(load(bytes + "trailing"));
    EXPECT_EQ(store->reservedWord, 0);
    EXPECT_EQ(encode(*store), rich);
}

TEST_F(DataFileLoad, MissingFileIsSilent) {
    store = std::make_unique<DataStore>();
    EXPECT_EQ(store->load(disk, "data.dat"), LoadOutcome::Unread);
    EXPECT_EQ(describeStore(*store), describeStore(DataStore()));
}

TEST_F(DataFileLoad, WrongMagicIsReportedAndChangesNothing) {
    std::string bytes = rich;
    bytes[1] = 0x78;
    expectRefused(bytes, "wrong magic");
    expectRefused("MZ\x90", "foreign short file");
}

TEST_F(DataFileLoad, EveryTruncationIsRefused) {
    for (size_t size = 0; size < rich.size(); ++size) {
        expectRefused(rich.substr(0, size), "truncated to " + std::to_string(size));
    }
}

TEST_F(DataFileLoad, HostileCountsAndLengthsAreRefused) {
    const size_t nameLength = rich.find("Legal") - 4;
    const size_t entryCount = rich.find("SHELL32.DLL") + 11 + 4;
    const size_t firstMode = entryCount + 8;
    const size_t titleCount = rich.find("Notepad") - 8;
    const size_t lastText = rich.find("nothing.wav") - 4;
    struct Case {
        size_t offset;
        int32_t value;
        const char* what;
    } cases[] = {
        {20, -1, "negative vocabulary count"},
        {20, 65, "more than 64 vocabularies"},
        {20, 4, "more vocabularies than stored"},
        {20, 0x7FFFFFFF, "huge vocabulary count"},
        {nameLength, -1, "negative text length"},
        {nameLength, 0x7FFFFFF0, "huge text length"},
        {nameLength, static_cast<int32_t>(rich.size()), "text longer than the file"},
        {entryCount, -1, "negative entry count"},
        {entryCount, 2, "entry counts that disagree"},
        {entryCount + 4, 0x40000000, "huge entry count"},
        {firstMode, 3, "match mode above the three"},
        {firstMode, -1, "negative match mode"},
        {titleCount, -2, "negative list count"},
        {titleCount, 0x10000000, "huge list count"},
        {lastText, 0x7FFFFFFF, "huge last text"},
    };
    for (const Case& c : cases) {
        std::string bytes = rich;
        patch(bytes, c.offset, c.value);
        expectRefused(bytes, c.what);
    }
}

TEST_F(DataFileLoad, AFullTableOfSixtyFourSavesAndReloadsByteForByte) {
    DataStore full;
    for (int i = 0; i < 64; ++i) {
        Vocabulary* vocabulary = full.vocabularies.add();
        ASSERT_NE(vocabulary, nullptr) << i;
        vocabulary->name = "Vocabulary " + std::to_string(i);
        vocabulary->addKeyword("word" + std::to_string(i), i % 3);
    }
    ASSERT_TRUE(full.save(disk, "data.dat"));
    const std::string saved = disk.files["data.dat"];
    EXPECT_EQ(saved.substr(20, 4), le32(64));

    store = std::make_unique<DataStore>();
    ASSERT_EQ(store->load(disk, "data.dat"), LoadOutcome::Loaded);
    EXPECT_EQ(describeStore(*store), describeStore(full));
    EXPECT_EQ(describeStore(*store->clone()), describeStore(full)); // as the editing window does
    ASSERT_TRUE(store->save(disk, "data.dat"));
    EXPECT_EQ(disk.files["data.dat"], saved);
}
