// The copy of the file list, its messages and the Start menu step after it.
#include "Fakes.h"
#include "RcTexts.h"

#include "installer/InstallFileList.h"
#include "installer/Installation.h"
#include "installer/PathRules.h"

#include <gtest/gtest.h>

namespace {

const std::string kSource = "D:\\SETUP";
const std::string kDestination = "C:\\Program Files\\Zembrafind";
const std::string kTarget = "C:\\PROGRAM FILES\\ZEMBRAFIND";

class InstallationTest : public ::testing::Test {
protected:
    FakeFiles files;
    FakeView view;
    FakeChannel channel;
    RcTexts texts;

    void SetUp() override {
        for (const char* entry : kInstallFileList)
            files.files.insert(upperCase(kSource + "\\" + entry));
        files.folders = {kTarget};
    }

    bool install(bool addToStartup = true) {
        return runInstallation(files, view, channel, texts, kSource, kDestination, addToStartup);
    }
};

} // namespace

TEST_F(InstallationTest, CopiesEveryFileUnderItsUpperCaseNameWithProgress) {
    ASSERT_TRUE(install());
    for (const char* entry : kInstallFileList)
        EXPECT_TRUE(files.fileExists(kTarget + "\\" + upperCase(destinationName(entry)))) << entry;
    ASSERT_EQ(view.log.size(), 12u * 3 + 2);
    EXPECT_EQ(view.log[0], "copy 0 D:\\SETUP\\README.TXT -> " + kTarget + "\\README.TXT");
    EXPECT_EQ(view.log[1], "wait");
    EXPECT_EQ(view.log[2], "arrow");
    EXPECT_EQ(view.log[24], "copy 8 D:\\SETUP\\+DATA.DAT -> " + kTarget + "\\DATA.DAT");
    EXPECT_EQ(view.log[33], "copy 11 D:\\SETUP\\WHOOSH.WAV -> " + kTarget + "\\WHOOSH.WAV");
    EXPECT_EQ(view.log[36], "status Creating Start menu group...");
    EXPECT_EQ(view.log[37], "status Group \"Zembrafind\" added to Start menu.");
    EXPECT_EQ(channel.commands.size(), 8u);
    EXPECT_EQ(channel.commands[2], "[AddItem (\"" + kDestination + "\\zfw32.exe\", Zembrafind)]");
}

TEST_F(InstallationTest, ExistingDataFileIsKeptAndTheRestReplaced) {
    files.files.insert(kTarget + "\\DATA.DAT");
    files.files.insert(kTarget + "\\ZFW32.EXE");
    ASSERT_TRUE(install(false));
    for (const std::string& line : files.log)
        EXPECT_EQ(line.find("-> " + kTarget + "\\DATA.DAT"), std::string::npos) << line;
    EXPECT_EQ(files.log.size(), 11u);
    EXPECT_EQ(channel.commands.size(), 5u);
}

TEST_F(InstallationTest, MissingShippedDataFileIsNoErrorAndAPlainDataFileIsNotUsed) {
    files.files.erase(kSource + "\\+DATA.DAT");
    files.files.insert(kSource + "\\DATA.DAT");
    ASSERT_TRUE(install());
    EXPECT_FALSE(files.fileExists(kTarget + "\\DATA.DAT"));
    for (const std::string& line : view.log)
        EXPECT_NE(line.rfind("error", 0), 0u) << line;
}

TEST_F(InstallationTest, MissingSoundEndsAfterTwoMessagesWithoutAGroup) {
    files.files.erase(kSource + "\\TYPE.WAV");
    EXPECT_FALSE(install());
    const std::vector<std::string> tail(view.log.end() - 6, view.log.end());
    const std::vector<std::string> expected = {
        "copy 10 D:\\SETUP\\TYPE.WAV -> " + kTarget + "\\TYPE.WAV",
        "wait",
        "error Cannot copy file \"D:\\SETUP\\TYPE.WAV\" to destination directory.",
        "arrow",
        "repaint",
        "error Installation failed.",
    };
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(files.log.size(), 10u);
    EXPECT_TRUE(files.fileExists(kTarget + "\\LICENSE.TXT"));
    EXPECT_FALSE(files.fileExists(kTarget + "\\WHOOSH.WAV"));
    EXPECT_TRUE(channel.calls.empty());
}

TEST_F(InstallationTest, UnwritableProgramStopsRightThere) {
    files.unwritable.insert(kTarget + "\\ZFW32.EXE");
    EXPECT_FALSE(install());
    EXPECT_EQ(files.log.size(), 1u);
    EXPECT_EQ(view.log.back(), "error Installation failed.");
    EXPECT_TRUE(channel.calls.empty());
}
