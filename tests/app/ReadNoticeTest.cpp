// The tray icon's word after a read: the record each shell takes, and the
// sentence that keeps its advice whatever the window's title.
#include "app/logic/ReadNotice.h"

#include <gtest/gtest.h>

TEST(TrayRecordFor, BalloonsAndTheLongTipFromTheFifthShellOn) {
    struct Case {
        unsigned major;
        unsigned edition;
        std::size_t tip;
        bool balloons;
    };
    const Case cases[] = {
        {0, 1, 64, false}, {4, 1, 64, false},  {5, 2, 128, true},
        {6, 3, 128, true}, {10, 3, 128, true},
    };
    for (const Case& c : cases) {
        const TrayRecordShape shape = trayRecordFor(c.major);
        EXPECT_EQ(shape.edition, c.edition) << c.major;
        EXPECT_EQ(shape.tipBytes, c.tip) << c.major;
        EXPECT_EQ(shape.balloons, c.balloons) << c.major;
    }
}

namespace {
const std::string kNoText = "%s gave no text: see Help, Reading other programs";
const std::string kUntitled = "the untitled window";
} // namespace

TEST(ReadNotice, PutsTheTitleInPlaceAndNamesAnUntitledWindow) {
    EXPECT_EQ(readNotice("No keywords found in %s", "notes.txt - Notepad", kUntitled, 256),
              "No keywords found in notes.txt - Notepad");
    EXPECT_EQ(readNotice(kNoText, "", kUntitled, 256),
              "the untitled window gave no text: see Help, Reading other programs");
}

TEST(ReadNotice, ALongTitleIsShortenedSoTheAdviceStays) {
    const std::string title(300, 't');
    for (std::size_t limit : {64u, 128u, 256u}) {
        const std::string text = readNotice(kNoText, title, kUntitled, limit);
        EXPECT_EQ(text.size(), limit - 1) << limit;
        EXPECT_EQ(text.substr(text.size() - (kNoText.size() - 2)), kNoText.substr(2)) << limit;
        EXPECT_EQ(text.substr(0, 4), "tttt") << limit;
        EXPECT_NE(text.find("t... gave"), std::string::npos) << limit;
    }
}

TEST(ReadNotice, ATitleThatFitsExactlyIsKeptWhole) {
    const std::string pattern = "No keywords found in %s";
    const std::string title(64 - 1 - (pattern.size() - 2), 'x');
    EXPECT_EQ(readNotice(pattern, title, kUntitled, 64), "No keywords found in " + title);
    EXPECT_EQ(readNotice(pattern, title + "y", kUntitled, 64).find("..."), 60u);
}

TEST(ReadNotice, AnAdviceLongerThanTheRoomIsCutNotOverrun) {
    const std::string text = readNotice(kNoText, "Notepad", kUntitled, 16);
    EXPECT_EQ(text.size(), 15u);
}
