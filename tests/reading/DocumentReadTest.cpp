// The reads with one and with all vocabularies: what they search, which
// window and sound they end with, and that busy and the clipboard are
// always given back.
#include "reading/DocumentRead.h"

#include "vocab/DataStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

WindowHandle const kDocument = reinterpret_cast<WindowHandle>(0x200);

class FakeReadPlatform : public ReadPlatform {
public:
    void setBusy(bool on) override { log(on ? "busy" : "idle"); }
    void setForeground(WindowHandle window) override {
        log(window == kDocument ? "front document" : "front other");
    }
    void wait(unsigned ms) override { log("wait " + std::to_string(ms)); }
    std::string captureText(WindowHandle window) override {
        log(window == kDocument ? "capture document" : "capture other");
        return text;
    }
    void restoreClipboard() override { log("restore clipboard"); }
    void openFoundWindow(WindowHandle) override { log("open window"); }
    void addFound(const KeywordList& hits) override {
        std::string line = "add";
        for (const KeywordEntry& hit : hits)
            line += " " + hit.text().str();
        log(line);
    }
    void showFoundWindow() override { log("show window"); }
    void destroyFoundWindow() override { log("destroy window"); }
    void playSound(const std::string& file) override { log("sound " + file); }

    void log(const std::string& line) { events.push_back(line); }

    std::string text;
    std::vector<std::string> events;
};

struct Read {
    FakeReadPlatform platform;
    DataStore store;

    Read() {
        store.foundSoundFile = std::string_view("found.wav");
        store.notFoundSoundFile = std::string_view("none.wav");
        store.playFoundSound = 1;
        store.playNotFoundSound = 1;
        Vocabulary* colours = store.vocabularies.add();
        colours->addKeyword("Red Green", AnyWord);
        Vocabulary* fruit = store.vocabularies.add();
        fruit->addKeyword("apple", AnyWord);
        fruit->addKeyword("green", ExactPhrase);
        store.vocabularies.add(); // no entries
    }
    std::vector<std::string> one(int index) {
        ReadDocument(platform, store, kDocument, index);
        return platform.events;
    }
    std::vector<std::string> all() {
        ReadDocumentWithAll(platform, store, kDocument);
        return platform.events;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST(ReadDocument, FoundShowsTheHitsAfterHalfASecondAndPlaysTheFoundSound) {
    Read r;
    r.platform.text = "GREEN apples, red wine";
    EXPECT_EQ(r.one(0), (Lines{"busy", "front document", "wait 50", "capture document", "wait 500",
                               "open window", "add red green", "show window", "sound found.wav",
                               "restore clipboard", "idle"}));
}

TEST(ReadDocument, NothingFoundKeepsThePreviousWindowAndPlaysTheOtherSound) {
    Read r;
    r.platform.text = "blue";
    EXPECT_EQ(r.one(1), (Lines{"busy", "front document", "wait 50", "capture document",
                               "sound none.wav", "restore clipboard", "idle"}));
}

TEST(ReadDocument, AVocabularyWithoutEntriesOrASlotGoneFindsNothing) {
    for (int index : {2, 3, 64, -5}) {
        Read r;
        r.platform.text = "red";
        Lines lines = r.one(index);
        EXPECT_EQ(lines[lines.size() - 3], "sound none.wav") << index;
        EXPECT_EQ(lines.back(), "idle") << index;
    }
}

TEST(ReadDocument, SoundsSwitchedOffMakeTheReadSilent) {
    Read r;
    r.store.playFoundSound = 0;
    r.store.playNotFoundSound = 0;
    r.platform.text = "red";
    for (const std::string& line : r.one(0))
        EXPECT_EQ(line.find("sound"), std::string::npos);
    for (const std::string& line : r.one(1))
        EXPECT_EQ(line.find("sound"), std::string::npos);
}

// Each sound has its own switch: with one on and the other off, only the
// switched-on sound plays, and only after the read it belongs to.
TEST(ReadDocument, EachSoundFollowsItsOwnSwitch) {
    struct Case {
        int32_t found, notFound;
        const char* text;
        const char* sound; // none when empty
    };
    const Case cases[] = {
        {1, 0, "red green", "sound found.wav"},
        {1, 0, "blue", ""},
        {0, 1, "red green", ""},
        {0, 1, "blue", "sound none.wav"},
    };
    for (const Case& c : cases) {
        for (bool all : {false, true}) {
            Read r;
            r.store.playFoundSound = c.found;
            r.store.playNotFoundSound = c.notFound;
            r.platform.text = c.text;
            Lines sounds;
            for (const std::string& line : all ? r.all() : r.one(0))
                if (line.rfind("sound", 0) == 0)
                    sounds.push_back(line);
            EXPECT_EQ(sounds, c.sound[0] ? Lines{c.sound} : Lines{})
                << c.found << c.notFound << " " << c.text << (all ? " all" : " one");
        }
    }
}

TEST(ReadDocumentWithAll, ShowsTheEmptyWindowFirstAndListsEveryVocabularysHits) {
    Read r;
    r.platform.text = "a green apple";
    EXPECT_EQ(r.all(), (Lines{"open window", "busy", "front document", "wait 50",
                              "capture document", "add green", "add apple green", "wait 500",
                              "show window", "sound found.wav", "restore clipboard", "idle"}));
}

TEST(ReadDocumentWithAll, NothingFoundAnywhereDestroysTheWindow) {
    Read r;
    r.platform.text = "nothing here";
    EXPECT_EQ(r.all(),
              (Lines{"open window", "busy", "front document", "wait 50", "capture document",
                     "destroy window", "sound none.wav", "restore clipboard", "idle"}));
}

TEST(ReadDocumentWithAll, AFailedCaptureSearchesAnEmptyText) {
    Read r;
    r.store.vocabularies.at(2)->addKeyword("", AllWords);
    Lines lines = r.all();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "add "), lines.end());
}

// The outcome decides the word the program gives after a read: a capture
// without text must not pass for a text without keywords, nor the reverse.
TEST(ReadOutcomes, TellFoundNothingFoundAndNoTextApartForBothReads) {
    struct Case {
        const char* text;
        ReadOutcome one;
        ReadOutcome all;
    };
    const Case cases[] = {
        {"", ReadOutcome::NoText, ReadOutcome::NoText},
        {"blue sky", ReadOutcome::NothingFound, ReadOutcome::NothingFound},
        {"an apple", ReadOutcome::NothingFound, ReadOutcome::Found},
        {"red", ReadOutcome::Found, ReadOutcome::Found},
    };
    for (const Case& c : cases) {
        Read r;
        r.platform.text = c.text;
        EXPECT_EQ(ReadDocument(r.platform, r.store, kDocument, 0), c.one) << c.text;
        EXPECT_EQ(ReadDocumentWithAll(r.platform, r.store, kDocument), c.all) << c.text;
    }
}
