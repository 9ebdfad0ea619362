// The Program Manager command series for the Start menu group.
#include "Fakes.h"
#include "RcTexts.h"
#include "tests/Caller.h"

#include "installer/Destination.h"
#include "installer/Installation.h"
#include "installer/ProgmanCommands.h"

#include <gtest/gtest.h>

namespace {

// The folder the series is built from after the destination checks.
std::string preparedFolder(const std::string& text, Caller caller = {}) {
    TRACE_CALLER(caller);
    FakeFiles files;
    files.folders = {"C:", "C:\\PROGRAM FILES", "C:\\PROGRAM FILES\\ZEMBRAFIND", "D:\\APPS"};
    std::string path;
    EXPECT_EQ(prepareDestination(files, text, path), DestinationCheck::Ready);
    return path;
}

} // namespace

TEST(ProgmanCommands, DefaultFolderWithoutStartupSendsFiveCommands) {
    const std::vector<std::string> expected = {
        "[DeleteGroup(\"Zembrafind\")]",
        "[CreateGroup(\"Zembrafind\")]",
        "[AddItem (\"C:\\Program Files\\Zembrafind\\zfw32.exe\", Zembrafind)]",
        "[AddItem (\"C:\\Program Files\\Zembrafind\\uninstzfw.exe\", Uninstall)]",
        "[ShowGroup(\"Zembrafind\", 1)]",
    };
    EXPECT_EQ(groupCommands(preparedFolder("C:\\Program Files\\Zembrafind"), false), expected);
}

TEST(ProgmanCommands, StartupFlagAddsTheProgramToStartupAndShowsItLast) {
    const std::vector<std::string> expected = {
        "[DeleteGroup(\"Zembrafind\")]",
        "[CreateGroup(\"Zembrafind\")]",
        "[AddItem (\"D:\\apps\\zfw32.exe\", Zembrafind)]",
        "[AddItem (\"D:\\apps\\uninstzfw.exe\", Uninstall)]",
        "[CreateGroup(\"Startup\")]",
        "[AddItem (\"D:\\apps\\zfw32.exe\", Zembrafind)]",
        "[ShowGroup(\"Zembrafind\", 1)]",
        "[ShowGroup(\"Startup\", 6)]",
    };
    // The folder keeps the letter case the user typed and loses its backslash.
    EXPECT_EQ(groupCommands(preparedFolder("D:\\apps\\"), true), expected);
}

TEST(ProgmanCommands, RootFolderGivesOneBackslashBeforeTheFile) {
    const std::vector<std::string> commands = groupCommands(preparedFolder("C:\\"), true);
    ASSERT_EQ(commands.size(), 8u);
    EXPECT_EQ(commands[2], "[AddItem (\"C:\\zfw32.exe\", Zembrafind)]");
    EXPECT_EQ(commands[3], "[AddItem (\"C:\\uninstzfw.exe\", Uninstall)]");
}

TEST(ProgmanCommands, LongestAcceptedFolderFillsTheBufferExactly) {
    const std::string folder = "C:\\" + std::string(kMaxDestinationLength - 3, 'a');
    const std::vector<std::string> commands = groupCommands(folder, true);
    EXPECT_TRUE(fitsCommandBuffer(commands));
    EXPECT_EQ(commands[3].size(), kCommandBufferSize - 1);
    EXPECT_FALSE(fitsCommandBuffer(groupCommands(folder + "a", false)));
}

TEST(ProgmanCommands, ChannelGetsTheSeriesInOrderThroughOneConversation) {
    FakeChannel channel;
    FakeView view;
    makeStartMenuGroup(channel, view, RcTexts(), "C:\\Zf", false);
    const std::vector<std::string> calls = {"initialize", "connect",    "execute",
                                            "execute",    "execute",    "execute",
                                            "execute",    "disconnect", "uninitialize"};
    EXPECT_EQ(channel.calls, calls);
    EXPECT_EQ(channel.commands, groupCommands("C:\\Zf", false));
    EXPECT_EQ(view.log,
              std::vector<std::string>{"status Group \"Zembrafind\" added to Start menu."});
}

TEST(ProgmanCommands, NoAnswerSendsNothingAndSaysSo) {
    FakeChannel channel;
    channel.answers = false;
    FakeView view;
    makeStartMenuGroup(channel, view, RcTexts(), "C:\\Zf", true);
    EXPECT_EQ(channel.calls, (std::vector<std::string>{"initialize", "connect", "uninitialize"}));
    EXPECT_EQ(view.log, std::vector<std::string>{"status Creation of Start menu group failed."});
}

TEST(ProgmanCommands, FailedSetUpTouchesNothingElse) {
    FakeChannel channel;
    channel.initializes = false;
    FakeView view;
    makeStartMenuGroup(channel, view, RcTexts(), "C:\\Zf", true);
    EXPECT_EQ(channel.calls, std::vector<std::string>{"initialize"});
    EXPECT_TRUE(view.log.empty());
}

TEST(ProgmanCommands, RemovalDeletesTheGroupAndTheStartupItem) {
    const std::vector<std::string> expected = {
        "[DeleteGroup(\"Zembrafind\")]",
        "[ShowGroup(\"Startup\", 6)]",
        "[DeleteItem(Zembrafind)]",
    };
    EXPECT_EQ(removalCommands(), expected);
}
