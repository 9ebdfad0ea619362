// The uninstaller removes exactly what the installer made.
#include "Fakes.h"
#include "RcTexts.h"

#include "installer/InstallFileList.h"
#include "installer/PathRules.h"
#include "installer/ProgmanCommands.h"
#include "installer/Uninstallation.h"
#include "installer/WininitRename.h"

#include <gtest/gtest.h>

namespace {

const std::string kFolder = "C:\\PROGRAM FILES\\ZEMBRAFIND";
const std::string kSelf = "C:\\Program Files\\Zembrafind\\UNINSTZFW.EXE";

class UninstallationTest : public ::testing::Test {
protected:
    FakeFiles files;
    FakeChannel channel;
    FakeUninstallUi ui;
    RcTexts texts;

    void SetUp() override {
        files.folders = {"C:\\PROGRAM FILES", kFolder};
        for (const char* entry : kInstallFileList)
            files.files.insert(kFolder + "\\" + upperCase(destinationName(entry)));
    }
};

} // namespace

TEST_F(UninstallationTest, KeepsTheDataFileAndWhatTheInstallerDidNotMake) {
    files.files.insert(kFolder + "\\MY NOTES.TXT");
    runUninstall(files, channel, ui, texts, kSelf);
    EXPECT_TRUE(files.fileExists(kFolder + "\\DATA.DAT"));
    EXPECT_TRUE(files.fileExists(kFolder + "\\MY NOTES.TXT"));
    EXPECT_FALSE(files.fileExists(kFolder + "\\ZFW32.EXE"));
    EXPECT_EQ(files.atRestart, std::set<std::string>{upperCase(kSelf)});
    EXPECT_EQ(files.folders.count(kFolder), 1u);
    EXPECT_EQ(channel.commands, removalCommands());
    EXPECT_NE(ui.reported.find("10 file(s) deleted."), std::string::npos) << ui.reported;
    EXPECT_NE(ui.reported.find("(DATA.DAT) were kept"), std::string::npos);
    EXPECT_NE(ui.reported.find("\"Zembrafind\" was removed"), std::string::npos);
}

TEST_F(UninstallationTest, WithoutTheDataFileTheFolderGoesAtRestart) {
    ui.keep = false;
    runUninstall(files, channel, ui, texts, kSelf);
    EXPECT_EQ(files.files, std::set<std::string>{upperCase(kSelf)});
    EXPECT_EQ(files.atRestart, (std::set<std::string>{upperCase(kSelf), kFolder}));
    EXPECT_NE(ui.reported.find("11 file(s) deleted."), std::string::npos);
    EXPECT_NE(ui.reported.find("and the folder will be deleted"), std::string::npos);
}

TEST_F(UninstallationTest, DecliningTouchesNothing) {
    ui.confirm = false;
    runUninstall(files, channel, ui, texts, kSelf);
    EXPECT_EQ(ui.asked.size(), 1u);
    EXPECT_NE(ui.asked[0].find("C:\\Program Files\\Zembrafind"), std::string::npos);
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(channel.calls.empty());
    EXPECT_TRUE(ui.reported.empty());
}

TEST_F(UninstallationTest, FilesInUseAndAnUnreachableShellAreReported) {
    files.unwritable.insert(kFolder + "\\ZFW32.EXE");
    channel.answers = false;
    ui.keep = false;
    runUninstall(files, channel, ui, texts, kSelf);
    EXPECT_TRUE(files.fileExists(kFolder + "\\ZFW32.EXE"));
    EXPECT_EQ(files.atRestart.count(kFolder), 0u);
    EXPECT_TRUE(channel.commands.empty());
    EXPECT_NE(ui.reported.find("  ZFW32.EXE\n"), std::string::npos) << ui.reported;
    EXPECT_NE(ui.reported.find("could not be reached"), std::string::npos);
}

// The Start menu starts the uninstaller by a lower-case path, a prompt by
// whatever the user typed: in every spelling it knows itself, and is left for
// the restart rather than deleted while it runs.
TEST_F(UninstallationTest, KnowsItsOwnPathInAnyLetterCase) {
    for (const std::string& self :
         {std::string("c:\\program files\\zembrafind\\uninstzfw.exe"), upperCase(kSelf),
          std::string("C:\\Program Files\\Zembrafind\\UninstZfw.exe")}) {
        SetUp();
        files.atRestart.clear();
        runUninstall(files, channel, ui, texts, self);
        EXPECT_EQ(files.atRestart, std::set<std::string>{upperCase(kSelf)}) << self;
        EXPECT_TRUE(files.fileExists(self)) << self;
        EXPECT_NE(ui.reported.find("10 file(s) deleted."), std::string::npos) << self;
    }
}

TEST_F(UninstallationTest, CleansOnlyTheUninstallersOwnFolder) {
    ui.keep = false;
    runUninstall(files, channel, ui, texts, "D:\\OTHER\\UNINSTZFW.EXE");
    EXPECT_EQ(files.files.size(), kInstallFileList.size());
    EXPECT_TRUE(files.atRestart.empty());
    EXPECT_NE(ui.reported.find("0 file(s) deleted."), std::string::npos);
}

// The uninstaller ships beside install.exe; started there it once deleted the
// installation files and the Start menu group of the real installation.
TEST_F(UninstallationTest, TheFolderOfTheInstallationFilesIsRefusedUntouched) {
    const std::string setup = "D:\\SETUP";
    for (const char* entry : kInstallFileList)
        files.files.insert(setup + "\\" + upperCase(entry));
    files.files.insert(setup + "\\INSTALL.EXE");
    files.folders.insert(setup);
    for (const char* mark : {"INSTALL.EXE", "+DATA.DAT"}) {
        const std::set<std::string> before = files.files;
        ui.refused.clear();
        runUninstall(files, channel, ui, texts, setup + "\\uninstzfw.exe");
        EXPECT_EQ(files.files, before);
        EXPECT_TRUE(files.log.empty());
        EXPECT_TRUE(channel.calls.empty());
        EXPECT_TRUE(ui.asked.empty());
        EXPECT_EQ(ui.refused, "This folder holds the Zembrafind installation files, not an "
                              "installed Zembrafind:\n" +
                                  setup +
                                  "\n\nNothing has been removed. To remove Zembrafind, choose "
                                  "\"Uninstall\" in its Start menu group.");
        files.files.erase(setup + "\\" + mark); // the other mark alone is enough
    }
    EXPECT_FALSE(isDistributionFolder(files, kFolder));
}

TEST(WininitRename, AddsTheLineUnderAnExistingRenameSection) {
    EXPECT_EQ(addWininitRemoval("", "C:\\PROGRA~1\\ZEMBRA~1\\UNINST~1.EXE"),
              "[rename]\r\nNUL=C:\\PROGRA~1\\ZEMBRA~1\\UNINST~1.EXE\r\n");
    EXPECT_EQ(addWininitRemoval("[Rename]\r\nNUL=C:\\A.TMP\r\n", "C:\\B.EXE"),
              "[Rename]\r\nNUL=C:\\B.EXE\r\nNUL=C:\\A.TMP\r\n");
    EXPECT_EQ(addWininitRemoval("[other]\r\nx=1", "C:\\B.EXE"),
              "[other]\r\nx=1\r\n[rename]\r\nNUL=C:\\B.EXE\r\n");
    EXPECT_EQ(addWininitRemoval("[rename]", "C:\\B.EXE"), "[rename]\r\nNUL=C:\\B.EXE\r\n");
    EXPECT_EQ(addWininitRemoval("x=[rename]\n", "C:\\B.EXE"),
              "x=[rename]\n[rename]\r\nNUL=C:\\B.EXE\r\n");
}
