// The tray icon's click-or-hold decision, the second start, and the drag
// start and the read by key from the Vocabularies page after its commit.
#include "app/logic/PageCommits.h"
#include "app/logic/TrayClicks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TrayClicks, ReleaseWithinTheHoldIsAClickAndAHeldPressADrag) {
    TrayClicks clicks;
    clicks.finishStartUp();
    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftDown, false), TrayAction::WaitForHold);
    // The release arrives during the wait.
    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftUp, false), TrayAction::OpenVocabularies);
    EXPECT_EQ(clicks.afterHold(), TrayAction::Nothing);

    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftDown, false), TrayAction::WaitForHold);
    EXPECT_EQ(clicks.afterHold(), TrayAction::StartDrag);
    // The release that ends the drag opens nothing.
    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftUp, false), TrayAction::Nothing);

    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftDown, false), TrayAction::WaitForHold);
    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftDoubleClick, false), TrayAction::OpenVocabularies);
    EXPECT_EQ(clicks.afterHold(), TrayAction::Nothing);
    EXPECT_EQ(clicks.onMouse(TrayMouse::RightDown, false), TrayAction::ShowMenu);
    EXPECT_EQ(clicks.onMouse(TrayMouse::Other, false), TrayAction::Nothing);
}

TEST(TrayClicks, WhileBusyAPressOnlyBringsTheProgramForward) {
    TrayClicks clicks;
    clicks.finishStartUp();
    EXPECT_EQ(clicks.onMouse(TrayMouse::LeftDown, true), TrayAction::BringForward);
    for (TrayMouse mouse : {TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::RightDown})
        EXPECT_EQ(clicks.onMouse(mouse, true), TrayAction::Nothing);
    EXPECT_EQ(clicks.afterHold(), TrayAction::Nothing);
}

// A second start shows the running copy's Vocabularies page, or, while that
// one is busy, what it shows; it never opens a second editing window.
TEST(TrayClicks, SecondStartActsLikeAClickOrShowsTheBusyWindow) {
    TrayClicks clicks;
    EXPECT_FALSE(clicks.finishStartUp());
    EXPECT_EQ(clicks.onSecondStart(false), TrayAction::OpenVocabularies);
    EXPECT_EQ(clicks.onSecondStart(true), TrayAction::ShowOpenWindow);
}

// The start-up's message box (a data file that could not be read) dispatches
// messages before the tray icon and the drag exist: a second start then
// waits until start-up has finished and is answered once, and the mouse acts
// on nothing.
TEST(TrayClicks, BeforeStartUpHasFinishedASecondStartWaitsAndNothingActs) {
    for (bool busy : {false, true}) {
        TrayClicks clicks;
        EXPECT_EQ(clicks.onSecondStart(busy), TrayAction::Nothing);
        EXPECT_EQ(clicks.onSecondStart(busy), TrayAction::Nothing);
        for (TrayMouse mouse : {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick,
                                TrayMouse::RightDown})
            EXPECT_EQ(clicks.onMouse(mouse, busy), TrayAction::Nothing);
        EXPECT_EQ(clicks.afterHold(), TrayAction::Nothing);
        EXPECT_TRUE(clicks.finishStartUp()); // answered once, for both requests
        EXPECT_FALSE(clicks.finishStartUp());
        EXPECT_EQ(clicks.onSecondStart(busy),
                  busy ? TrayAction::ShowOpenWindow : TrayAction::OpenVocabularies);
    }
}

namespace {

class FakeHost : public PageCommitHost {
public:
    bool commits = true;
    bool buttonDown = true;
    bool document = true;
    std::vector<std::string> calls;

    bool commitEdits() override {
        calls.push_back("commit");
        return commits;
    }
    bool primaryButtonDown() override {
        calls.push_back("button");
        return buttonDown;
    }
    void startDrag(int index) override { calls.push_back("drag " + std::to_string(index)); }
    bool documentRemembered() override {
        calls.push_back("document");
        return document;
    }
    void tellNoDocument() override { calls.push_back("tell"); }
    void startRead(int index) override { calls.push_back("read " + std::to_string(index)); }
};

} // namespace

TEST(PageDrag, StartsOnlyAfterASavedCommitWithTheButtonStillDown) {
    FakeHost ok;
    startPageDrag(ok, 2);
    EXPECT_EQ(ok.calls, (std::vector<std::string>{"commit", "button", "drag 2"}));

    // A failed save: its message box took the release; a drag now would drop
    // at once and click into the window under the pointer.
    FakeHost failed;
    failed.commits = false;
    startPageDrag(failed, 2);
    EXPECT_EQ(failed.calls, std::vector<std::string>{"commit"});

    FakeHost released;
    released.buttonDown = false;
    startPageDrag(released, 0);
    EXPECT_EQ(released.calls, (std::vector<std::string>{"commit", "button"}));
}

// With nothing to read the edits stay uncommitted and the window open; a
// failed save keeps the window open and reads nothing.
TEST(PageRead, NeedsARememberedDocumentAndASavedCommit) {
    struct Case {
        bool document;
        bool commits;
        int index;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {true, true, 3, {"document", "commit", "read 3"}},
        {true, true, -1, {"document", "commit", "read -1"}},
        {true, false, 3, {"document", "commit"}},
        {false, true, 3, {"document", "tell"}},
        {false, false, -1, {"document", "tell"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "document " << c.document << " commits " << c.commits
                                        << " index " << c.index);
        FakeHost host;
        host.document = c.document;
        host.commits = c.commits;
        readFromPage(host, c.index);
        EXPECT_EQ(host.calls, c.calls);
    }
}
