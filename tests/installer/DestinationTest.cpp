// Checking and making the destination folder before anything is copied.
#include "Fakes.h"

#include "RcTexts.h"
#include "installer/Destination.h"
#include "installer/PathRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DestinationTest : public ::testing::Test {
protected:
    FakeFiles files;
    std::string path;

    void SetUp() override { files.folders = {"C:", "C:\\PROGRAM FILES"}; }

    DestinationCheck prepare(const std::string& text) {
        return prepareDestination(files, text, path);
    }
};

} // namespace

TEST_F(DestinationTest, ExistingFolderIsEnteredWithoutBeingCreated) {
    EXPECT_EQ(prepare("C:\\Program Files\\"), DestinationCheck::Ready);
    EXPECT_EQ(path, "C:\\Program Files");
    EXPECT_EQ(files.current, "C:\\PROGRAM FILES");
    EXPECT_TRUE(files.log.empty());
}

TEST_F(DestinationTest, OneNewLevelIsCreated) {
    EXPECT_EQ(prepare("C:\\Program Files\\Zembrafind"), DestinationCheck::Ready);
    EXPECT_EQ(files.log, std::vector<std::string>{"mkdir C:\\PROGRAM FILES\\ZEMBRAFIND"});
}

TEST_F(DestinationTest, TwoNewLevelsEmptyTextOrAFileAreRefused) {
    files.files.insert("C:\\PROGRAM FILES\\NOTES.TXT");
    for (const char* text : {"C:\\New\\Deeper", "", "C:\\Program Files\\notes.txt"}) {
        EXPECT_EQ(prepare(text), DestinationCheck::CannotCreate) << text;
        EXPECT_EQ(RcTexts().text(destinationMessage(DestinationCheck::CannotCreate)),
                  "Cannot create specified directory.");
    }
    EXPECT_TRUE(files.log.empty());
}

TEST_F(DestinationTest, EightyEightCharactersAreTheLongestFolderAccepted) {
    // The longest folder whose uninstaller item fills the 128-byte command
    // buffer exactly, and one character more.
    const std::string longest = "C:\\Program Files\\" + std::string(88 - 17, 'z');
    const std::string unc = "\\\\server\\share\\" + std::string(88 - 15, 'z');
    files.folders.insert("\\\\SERVER\\SHARE");
    const struct {
        std::string text;
        DestinationCheck check;
    } cases[] = {
        {longest + "z", DestinationCheck::TooLong},
        {longest + "z\\", DestinationCheck::TooLong},
        {unc + "z", DestinationCheck::TooLong},
        {std::string(300, 'x'), DestinationCheck::TooLong},
        {longest, DestinationCheck::Ready},
        {longest + "\\", DestinationCheck::Ready},
        {unc, DestinationCheck::Ready},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prepare(c.text), c.check) << c.text.size() << " characters: " << c.text;
    // Nothing was made for a refused folder.
    EXPECT_EQ(files.log,
              (std::vector<std::string>{"mkdir " + upperCase(longest), "mkdir " + upperCase(unc)}));
    EXPECT_NE(RcTexts().text(destinationMessage(DestinationCheck::TooLong)).find("88 characters"),
              std::string::npos);
}

TEST_F(DestinationTest, CharactersNoFileNameCanHoldAreRefused) {
    for (const char* text : {"C:\\a*b", "C:\\a?", "C:\\\"q\"", "C:\\a<b", "C:\\a>b", "C:\\a|b",
                             "C:\\a:b", "C:\\tab\there"}) {
        EXPECT_EQ(prepare(text), DestinationCheck::BadCharacters) << text;
    }
    EXPECT_TRUE(files.log.empty());
    EXPECT_FALSE(hasBadCharacters("C:\\Program Files (x86)\\Zf-1.0 [a],b;c"));
    EXPECT_FALSE(hasBadCharacters("\\\\server\\share\\Zf"));
}

// Windows makes "Zembrafind " as "Zembrafind", and the copy then fails into a
// folder that does not exist, leaving an empty one behind.
TEST_F(DestinationTest, NameEndingInABlankOrADotIsRefusedBeforeWriting) {
    for (const char* text : {"C:\\Program Files\\Zembrafind ", "C:\\Program Files\\Zembrafind.\\",
                             "C:\\Program Files \\Zf", "C:\\Zf.\\x", "C:\\...\\Zf"}) {
        EXPECT_EQ(prepare(text), DestinationCheck::BadEnding) << text;
    }
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(files.current.empty());
    EXPECT_EQ(RcTexts().text(destinationMessage(DestinationCheck::BadEnding)),
              "A folder name cannot end in a blank or a dot. Please remove it from the "
              "destination folder name or choose another folder.");
    for (const char* text : {"C:\\Program Files\\.\\Zf", "C:\\Program Files\\Zf\\..", "C:\\ Zf.1",
                             "\\\\server\\share\\Zf"})
        EXPECT_FALSE(hasBadNameEnding(text)) << text;
}
