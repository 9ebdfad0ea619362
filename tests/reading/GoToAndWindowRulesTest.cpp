// "Go to"'s keystrokes, and the rules that pick a document window.
#include "reading/DocumentWindowRules.h"
#include "reading/GoToKeyword.h"

#include "FakeInput.h"
#include "FakeWindows.h"

#include <gtest/gtest.h>

TEST(PlayGoToKeyword, TopThenFindThenTheKeywordFastThenEnter) {
    FakeInput input;
    PlayGoToKeyword(input, "<ctrl>f<ctrl>", "red apple");
    std::vector<std::string> expected{"+17", "w1",  "+36", "w1",  "-36", "w1",  "-17", "+17",
                                      "w1",  "+70", "w1",  "-70", "w1",  "-17", "w750"};
    ASSERT_GT(input.events.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(input.events.begin(), input.events.begin() + 15), expected);
    std::vector<std::string> enter{"w1", "+13", "w1", "-13", "w1"};
    EXPECT_EQ(std::vector<std::string>(input.events.end() - 5, input.events.end()), enter);
    EXPECT_EQ(input.waitedMs, 3 + 3 + 750 + 3u); // the keyword itself is typed without waits
    EXPECT_EQ(input.typed(), "^\x24^fred apple\r");
}

TEST(PlayGoToKeyword, KeyNamesInAKeywordPressTheirKeys) {
    FakeInput input;
    PlayGoToKeyword(input, "<F3>", "a<tab>b");
    EXPECT_EQ(input.typed(), "^\x24\x72"
                             "a\tb\r");
}

TEST(PlayGoToKeyword, AnAltGrCharacterInAKeywordIsTypedWithAltGr) {
    FakeInput input;
    PlayGoToKeyword(input, "<ctrl>f<ctrl>", std::string("5 ") + kEuro);
    const std::vector<std::string> keys = input.keys();
    const std::vector<std::string> keyword(keys.end() - 12, keys.end() - 2);
    EXPECT_EQ(keyword, (std::vector<std::string>{"+53", "-53", "+32", "-32", "+18", "+17", "+69",
                                                 "-69", "-18", "-17"}));
}

namespace {

WindowHandle W(uintptr_t n) {
    return reinterpret_cast<WindowHandle>(n);
}

// Other programs' windows (process 2), the desktop's and the taskbar's
// (process 3), and this program's "Keywords found" window.
FakeWindows Desktop() {
    FakeWindows windows;
    windows.desktop = W(1);
    windows.windows = {
        {W(1), {"#32769", "", nullptr, 3}},
        {W(10), {"Notepad", "notes.txt - Notepad", nullptr, 2}},
        {W(11), {"Edit", "", W(10), 2}},
        {W(20), {"Shell_TrayWnd", "", nullptr, 3}},
        {W(30), {"Progman", "Program Manager", nullptr, 3}},
        {W(31), {"SysListView32", "", W(30), 3}},
        {W(40), {"#32770", "Keywords found", nullptr, 1}},
        {W(50), {"Shell", "shell - Wine desktop", nullptr, 3}},
        {W(51), {"Button", "Start", W(50), 3}},
    };
    return windows;
}

} // namespace

TEST(IsDocumentWindow, AcceptsAnotherProgramsWindowAndItsControls) {
    FakeWindows windows = Desktop();
    EXPECT_TRUE(IsDocumentWindow(windows, W(10)));
    EXPECT_TRUE(IsDocumentWindow(windows, W(11)));
}

TEST(IsDocumentWindow, RefusesTaskbarDesktopsOwnWindowsAndDeadWindows) {
    FakeWindows windows = Desktop();
    windows.shell = W(50);
    for (uintptr_t n : {0, 1, 20, 30, 31, 40, 50, 51, 99})
        EXPECT_FALSE(IsDocumentWindow(windows, W(n))) << n;
}

TEST(TopLevelAncestor, StopsOnAParentLoop) {
    FakeWindows windows = Desktop();
    windows.windows[W(60)] = {"A", "", W(61), 2};
    windows.windows[W(61)] = {"B", "", W(60), 2};
    WindowHandle top = TopLevelAncestor(windows, W(60));
    EXPECT_TRUE(top == W(60) || top == W(61));
}
