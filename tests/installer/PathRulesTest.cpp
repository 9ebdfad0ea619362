// The installer's path rules and its file plan.
#include "installer/PathRules.h"
#include "installer/InstallFileList.h"

#include <gtest/gtest.h>

TEST(PathRules, StripRemovesExactlyOneTrailingBackslash) {
    EXPECT_EQ(stripTrailingBackslash("C:\\Program Files\\Zembrafind\\"),
              "C:\\Program Files\\Zembrafind");
    EXPECT_EQ(stripTrailingBackslash("C:\\"), "C:");
    EXPECT_EQ(stripTrailingBackslash("C:\\a\\\\"), "C:\\a\\");
    EXPECT_EQ(stripTrailingBackslash("C:\\a"), "C:\\a");
    EXPECT_EQ(stripTrailingBackslash("\\"), "\\");
    EXPECT_EQ(stripTrailingBackslash(""), "");
}

TEST(PathRules, JoinAddsABackslashOnlyWhenNeeded) {
    EXPECT_EQ(joinPath("C:\\a", "x.txt"), "C:\\a\\x.txt");
    EXPECT_EQ(joinPath("C:\\", "x.txt"), "C:\\x.txt");
    EXPECT_EQ(joinPath("C:", "x.txt"), "C:\\x.txt");
    EXPECT_EQ(joinPath("", "x.txt"), "x.txt");
}

TEST(PathRules, UpperCaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(upperCase("c:\\Program Files\\zf-1_é\xe4"), "C:\\PROGRAM FILES\\ZF-1_é\xe4");
    EXPECT_EQ(upperCase("{}[]`@"), "{}[]`@");
}

TEST(PathRules, FolderAndFileNameOfAFullPath) {
    EXPECT_EQ(folderOf("C:\\setup\\disk1\\install.exe"), "C:\\setup\\disk1");
    EXPECT_EQ(fileNameOf("C:\\setup\\disk1\\install.exe"), "install.exe");
    EXPECT_EQ(folderOf("C:\\install.exe"), "C:");
    EXPECT_EQ(folderOf("install.exe"), "");
}

TEST(InstallFileList, PlansUpperCasePathsAndTheKeepExistingEntry) {
    const FileCopy plain = planFileCopy("Zfhelp.htm", "D:\\Setup", "C:\\Program Files\\Zf");
    EXPECT_EQ(plain.source, "D:\\SETUP\\ZFHELP.HTM");
    EXPECT_EQ(plain.destination, "C:\\PROGRAM FILES\\ZF\\ZFHELP.HTM");
    EXPECT_FALSE(plain.keepExisting);

    const FileCopy data = planFileCopy("+data.dat", "D:\\Setup", "C:");
    EXPECT_EQ(data.source, "D:\\SETUP\\+DATA.DAT");
    EXPECT_EQ(data.destination, "C:\\DATA.DAT");
    EXPECT_TRUE(data.keepExisting);
}

TEST(InstallFileList, OnlyTheDataFileKeepsAnExistingCopy) {
    int keepExisting = 0;
    for (const char* entry : kInstallFileList) {
        if (isKeepExisting(entry)) {
            ++keepExisting;
            EXPECT_EQ(destinationName(entry), "data.dat");
        }
    }
    EXPECT_EQ(keepExisting, 1);
    EXPECT_STREQ(kInstallFileList[8], "+data.dat");
    EXPECT_STREQ(kInstallFileList[10], "type.wav");
}
