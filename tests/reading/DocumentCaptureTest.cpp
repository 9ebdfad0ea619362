// The capture's attempts and polls, its clearing click, and the keeping of
// the user's clipboard, against a fake application that copies on demand.
#include "reading/DocumentCapture.h"

#include "FakeClipboard.h"
#include "FakeClock.h"
#include "FakeInput.h"
#include "FakeWindows.h"
#include "reading/TerminalWindows.h"
#include "vocab/DataStore.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

WindowHandle const kDocument = reinterpret_cast<WindowHandle>(0x100);
WindowHandle const kEditor = reinterpret_cast<WindowHandle>(0x101);
WindowHandle const kFrame = reinterpret_cast<WindowHandle>(0x102);

// The window in front: an application that answers its copy keys (Insert 45,
// C 67, with Ctrl) from its `copyOnAttempt`-th copy on,
// putting `content` on the clipboard once `pastesUntilCopy` pastes have
// looked for it; its focused control kEditor copies on WM_COPY when
// `copiesOnMessage`.
class FakeDesktop : public ScreenPointer,
                    public FocusedControls,
                    public TickClock,
                    public CopiedText {
public:
    FakeDesktop() {
        input_.observer = [this](const std::string& event) { onEvent(event); };
        windows.windows = {
            {kDocument,
             {"Notepad", "notes.txt - Notepad", nullptr, FakeClipboard::kDocumentProgram}},
            {kEditor, {"Edit", "", kDocument}},
            {kFrame, {"Frame", ""}},
        };
    }
    CaptureSystem system() { return {input_, windows, *this, *this, *this, clipboard_, *this}; }
    FakeWindow& window(WindowHandle handle) { return windows.windows.at(handle); }

    ScreenPoint position() override { return pointer; }
    void moveTo(ScreenPoint p) override {
        pointer = p;
        log("move " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void primaryClickAt(ScreenPoint p) override {
        log("click " + std::to_string(p.x) + "," + std::to_string(p.y));
        input_.mouseButton(MouseButton::Left, false);
        input_.mouseButton(MouseButton::Left, true);
    }
    void show(bool visible) override { log(visible ? "show" : "hide"); }
    // The document spans x 100 to 499.
    WindowHandle windowAt(ScreenPoint p) override {
        return p.x >= 100 && p.x < 500 ? kEditor : nullptr;
    }
    DoubleClickRule doubleClickRule() override { return {500, 4, 4}; }

    WindowHandle foregroundWindow() override { return kDocument; }
    WindowHandle focusedControlOf(WindowHandle window) override {
        log(window == kDocument ? "focus of document" : "focus of other");
        return kEditor;
    }
    bool askToCopy(WindowHandle control) override {
        log(control == kEditor ? "copy message editor" : "copy message other");
        if (copiesOnMessage && control == kEditor)
            clipboard_.put(content, FakeClipboard::kDocumentProgram);
        return answersMessage;
    }
    void redrawNow(WindowHandle window) override {
        log(window == kEditor ? "redraw editor" : "redraw");
    }

    uint32_t now() override { return tick; }
    std::string pasteText() override;

    void log(const std::string& text) { input_.events.push_back(text); }
    int count(const std::string& event) const {
        return static_cast<int>(std::count(input_.events.begin(), input_.events.end(), event));
    }

    FakeInput input_;
    FakeClipboard clipboard_;
    FakeWindows windows;
    ScreenPoint pointer{300, 200};
    bool copiesOnMessage = false;
    bool answersMessage = true;
    std::vector<int> copyKeys{45};
    SentClick dropClick;
    uint32_t tick = 10000;
    int copyOnAttempt = 1;
    int pastesUntilCopy = 1;
    std::vector<std::pair<uint32_t, std::string>> content{{FakeClipboard::kText, "the document"}};
    int copies = 0;
    int pastes = 0;
    int pendingPastes = -1;
    // With the clock running, each wait moves it past the wait's end to the
    // next step of the clock (1 ms under Wine, about 55 ms on Windows 95),
    // and `waitOverrunMs` later still; otherwise time stands.
    bool clockRuns = false;
    uint32_t clockStepMs = 1;
    uint32_t waitOverrunMs = 0;
    // The clock at each copy key and each paste.
    std::vector<uint32_t> copyTimes;
    std::vector<uint32_t> pasteTimes;

private:
    void runClock(uint32_t waitMs);
    void onEvent(const std::string& event);
    bool ctrlDown_ = false;
};

void FakeDesktop::runClock(uint32_t waitMs) {
    uint32_t end = tick + waitMs;
    tick = (end / clockStepMs + 1) * clockStepMs + waitOverrunMs;
}

void FakeDesktop::onEvent(const std::string& event) {
    if (clockRuns && event[0] == 'w')
        runClock(static_cast<uint32_t>(std::stoul(event.substr(1))));
    if (event == "+17" || event == "-17")
        ctrlDown_ = event[0] == '+';
    bool copyKey = std::any_of(copyKeys.begin(), copyKeys.end(),
                               [&](int key) { return event == "+" + std::to_string(key); });
    if (copyKey && ctrlDown_)
        copyTimes.push_back(tick);
    if (copyKey && ctrlDown_ && ++copies >= copyOnAttempt && pendingPastes < 0)
        pendingPastes = pastesUntilCopy;
}

std::string FakeDesktop::pasteText() {
    ++pastes;
    pasteTimes.push_back(tick);
    if (pendingPastes > 0 && --pendingPastes == 0)
        clipboard_.put(content, FakeClipboard::kDocumentProgram);
    return clipboard_.text();
}

struct Capture {
    FakeDesktop desktop;
    DataStore store;
    ClipboardKeeper keeper{desktop.clipboard_};
    std::string text = "stale";
    int pendingCopies = -1;

    bool run(SelectionClearing clearing = SelectionClearing::ClickAtStartPoint) {
        CaptureResult result = CaptureDocumentText(desktop.system(), store, kDocument, keeper,
                                                   clearing, desktop.dropClick);
        text = result.text;
        pendingCopies = result.pendingCopies;
        return result.copied;
    }
};

} // namespace

TEST(CaptureDocumentText, TakesTheTextOnceAfterThePastesItNeeded) {
    Capture c;
    c.desktop.pastesUntilCopy = 7;
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.text, "the document");
    EXPECT_EQ(c.desktop.pastes, 7);
    EXPECT_EQ(c.desktop.copies, 1);
    EXPECT_EQ(c.desktop.count("+65"), 1); // one select-all: no second attempt
}

// The pastes after the copy key of the first attempt that never gets a
// copy, as times after that key.
std::vector<uint32_t> FirstAttemptPastes(uint32_t clockStepMs, uint32_t waitOverrunMs) {
    Capture c;
    c.desktop.copyOnAttempt = 99;
    c.desktop.copyKeys = {45, 67};
    c.desktop.clockRuns = true;
    c.desktop.tick = 200 * 55; // a step of either clock
    c.desktop.clockStepMs = clockStepMs;
    c.desktop.waitOverrunMs = waitOverrunMs;
    c.run();
    const FakeDesktop& d = c.desktop;
    EXPECT_EQ(d.copyTimes.size(), 6u);
    std::vector<uint32_t> times;
    for (uint32_t at : d.pasteTimes)
        if (at > d.copyTimes[0] && at < d.copyTimes[1])
            times.push_back(at - d.copyTimes[0]);
    // The copy key's own polls; those after the WM_COPY that follows keep
    // their turns by the same rule.
    if (times.size() > 50)
        times.resize(50);
    return times;
}

TEST(CaptureDocumentText, PollsKeepToTheirTurnsWhenWaitsRunOver) {
    // Under Wine every wait ends a tick or two late: the turns do not drift.
    std::vector<uint32_t> wine = FirstAttemptPastes(1, 1);
    ASSERT_EQ(wine.size(), 50u);
    for (size_t poll = 0; poll < wine.size(); ++poll)
        EXPECT_GE(wine[poll], 5 * (poll + 1)) << "poll " << poll + 1 << " before its turn";
    EXPECT_LE(wine.back(), 260u);

    // Windows 95's clock moves in steps of about 55 ms: the polls whose turns
    // a step passed come at once, and the attempt lasts its 50 turns of 5 ms,
    // not 50 steps.
    std::vector<uint32_t> win95 = FirstAttemptPastes(55, 0);
    ASSERT_EQ(win95.size(), 50u);
    for (size_t poll = 0; poll < win95.size(); ++poll)
        EXPECT_GE(win95[poll], 5 * (poll + 1)) << "poll " << poll + 1 << " before its turn";
    EXPECT_EQ(win95.back(), 275u);
}

TEST(CaptureDocumentText, GivesUpAfterSixAttemptsOfFiftyPastesAndTenAfterWmCopy) {
    Capture c;
    c.desktop.copyOnAttempt = 99;
    c.desktop.copyKeys = {45, 67};
    c.desktop.clipboard_.put({{FakeClipboard::kText, "user's text"}});
    EXPECT_FALSE(c.run());
    EXPECT_EQ(c.text, "");
    EXPECT_EQ(c.desktop.copies, 6);
    EXPECT_EQ(c.desktop.count("+45"), 1);
    EXPECT_EQ(c.desktop.count("+67"), 5);
    EXPECT_EQ(c.desktop.count("copy message editor"), 6);
    EXPECT_EQ(c.desktop.pastes, 360);
    EXPECT_EQ(c.desktop.count("+65"), 6);
    EXPECT_EQ(c.desktop.count("w50"), 7); // six after the select-alls, one after the click
    EXPECT_EQ(c.desktop.count("w5"), 360);
    EXPECT_EQ(c.desktop.count("L+"), 1); // the selection is cleared all the same
    EXPECT_EQ(c.desktop.clipboard_.countFormats(), 0);
}

TEST(CaptureDocumentText, RetriesSelectAllUntilTheApplicationCopies) {
    Capture c;
    c.desktop.copyOnAttempt = 3;
    c.desktop.copyKeys = {45, 67};
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.text, "the document");
    EXPECT_EQ(c.desktop.count("+65"), 3);
    EXPECT_EQ(c.desktop.pastes, 121);
}

TEST(CaptureDocumentText, DataWithoutTextEndsTheCaptureWithAnEmptyText) {
    Capture c;
    c.desktop.content = {{FakeClipboard::kBitmap, "pixels"}};
    EXPECT_TRUE(c.run());
    EXPECT_EQ(c.text, "");
    EXPECT_EQ(c.desktop.copies, 1);
    EXPECT_EQ(c.desktop.pastes, 50);
    EXPECT_EQ(c.desktop.count("L+"), 1);
    EXPECT_EQ(c.desktop.count("+67"), 0); // data arrived: no second copy key
}

TEST(CaptureDocumentText, AnApplicationCopyingOnCtrlInsertGetsExactlyTheKeysItAlwaysGot) {
    Capture c;
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.desktop.input_.events, (std::vector<std::string>{"+17",  "w1",
                                                                 "+65",  "w1",
                                                                 "-65",  "w1",
                                                                 "-17",  "w50",
                                                                 "+17",  "+45",
                                                                 "-45",  "-17",
                                                                 "w5",   "focus of document",
                                                                 "hide", "move 300,200",
                                                                 "w1",   "click 300,200",
                                                                 "L+",   "L-",
                                                                 "w1",   "move 300,200",
                                                                 "show", "redraw editor",
                                                                 "w50"}));
}

TEST(CaptureDocumentText, AnAttemptWithNoDataMakesTheNextOnesCopyWithCtrlC) {
    Capture c;
    c.desktop.copyKeys = {67};
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.text, "the document");
    EXPECT_EQ(c.desktop.count("+65"), 2);
    EXPECT_EQ(c.desktop.pastes, 61);
    const auto& events = c.desktop.input_.events;
    // The first attempt's Ctrl+Insert, its WM_COPY, then Ctrl+C in the same
    // shape, no waits inside.
    auto insert = std::find(events.begin(), events.end(), "+45");
    auto message = std::find(events.begin(), events.end(), "copy message editor");
    auto letter = std::find(events.begin(), events.end(), "+67");
    ASSERT_NE(insert, events.end());
    ASSERT_NE(letter, events.end());
    EXPECT_LT(insert, message);
    EXPECT_LT(message, letter);
    EXPECT_EQ(std::vector<std::string>(letter - 1, letter + 3),
              (std::vector<std::string>{"+17", "+67", "-67", "-17"}));
}

// A console or terminal takes Ctrl+C as an interrupt: whether its class is
// the document window's own, its top-level window's or its focused
// control's, in any letter case, it gets Ctrl+Insert and WM_COPY only.
TEST(CaptureDocumentText, NoConsoleOrTerminalEverGetsCtrlC) {
    enum Where { Document, TopLevel, FocusedControl };
    auto run = [](const std::string& terminal, Where where) {
        Capture c;
        c.desktop.copyOnAttempt = 99;
        c.desktop.copyKeys = {45, 67};
        if (where == Document)
            c.desktop.window(kDocument).className = terminal;
        if (where == TopLevel) {
            c.desktop.window(kDocument).parent = kFrame;
            c.desktop.window(kFrame).className = terminal;
        }
        if (where == FocusedControl)
            c.desktop.window(kEditor).className = terminal;
        EXPECT_FALSE(c.run());
        EXPECT_EQ(c.desktop.count("copy message editor"), 6);
        return c.desktop.count("+67");
    };
    for (const TerminalClass& terminal : kTerminalClasses) {
        for (Where where : {Document, TopLevel, FocusedControl}) {
            SCOPED_TRACE(std::string(terminal.className) + " at " + std::to_string(where));
            EXPECT_EQ(run(terminal.className, where), 0);
        }
    }
    EXPECT_EQ(run("CONSOLEWINDOWCLASS", Document), 0);
    EXPECT_EQ(run("putty", FocusedControl), 0);
    // Classes that merely resemble a terminal's are no terminals.
    EXPECT_EQ(run("ConsoleWindowClassic", Document), 5);
    EXPECT_EQ(run("tt", TopLevel), 5);
    EXPECT_EQ(run("Edit", FocusedControl), 5);
}

// WordPad's rich edit copies on WM_COPY (and Ctrl+C) but not on Ctrl+Insert:
// the message copies, and no Ctrl+C is sent at all.
TEST(CaptureDocumentText, AsksTheFocusedControlWithWmCopyBeforeAnyCtrlC) {
    Capture c;
    c.desktop.copyKeys = {67};
    c.desktop.copiesOnMessage = true;
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.text, "the document");
    EXPECT_EQ(c.desktop.count("+65"), 1);
    EXPECT_EQ(c.desktop.count("+67"), 0);
    EXPECT_EQ(c.desktop.count("copy message editor"), 1);
    EXPECT_EQ(c.desktop.pastes, 51);
    const auto& events = c.desktop.input_.events;
    auto insert = std::find(events.begin(), events.end(), "-45");
    auto message = std::find(events.begin(), events.end(), "copy message editor");
    EXPECT_LT(insert, message);
    EXPECT_EQ(*(message - 1), "focus of document"); // the document thread's focus
}

TEST(CaptureDocumentText, AClipboardThatWillNotOpenTypesNothing) {
    Capture c;
    c.desktop.clipboard_.refuseOpen = true;
    EXPECT_FALSE(c.run());
    EXPECT_EQ(c.text, "");
    EXPECT_TRUE(c.desktop.input_.keys().empty());
}

TEST(CaptureDocumentText, PlaysTheSelectAllSequenceChosenForTheWindowTitle) {
    Capture c;
    c.store.selectAllWindowTitles.append("NOTEPAD");
    c.store.selectAllSequences.append("<ctrl><home><shift><ctrl><end><ctrl><shift>");
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.desktop.count("+36"), 1);
    EXPECT_EQ(c.desktop.count("+35"), 1);
    EXPECT_EQ(c.desktop.count("+65"), 0);
}

TEST(CaptureDocumentText, ClicksAtTheStartPointAndPutsThePointerBack) {
    Capture c;
    c.desktop.pastesUntilCopy = 1;
    // The pointer moves after the capture began (the user nudges the mouse).
    c.desktop.input_.observer = [&c, moved = false](const std::string& event) mutable {
        if (event == "+45" && !moved) {
            moved = true;
            c.desktop.pointer = {10, 20};
            c.desktop.pendingPastes = 1;
        }
    };
    ASSERT_TRUE(c.run());
    const auto& events = c.desktop.input_.events;
    auto click = std::find(events.begin(), events.end(), "focus of document");
    ASSERT_NE(click, events.end());
    std::vector<std::string> tail(click, events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"focus of document", "hide", "move 300,200", "w1",
                                              "click 300,200", "L+", "L-", "w1", "move 10,20",
                                              "show", "redraw editor", "w50"}));
    EXPECT_EQ(c.desktop.pointer.x, 10);
}

// A keyboard read: after the copy, Ctrl+Home collapses the selection; the
// pointer is neither moved, hidden nor clicked.
TEST(CaptureDocumentText, AKeyboardCaptureCollapsesTheSelectionByKeyAndNeverClicks) {
    Capture c;
    ASSERT_TRUE(c.run(SelectionClearing::CollapseByKey));
    EXPECT_EQ(c.text, "the document");
    const auto& events = c.desktop.input_.events;
    auto copy = std::find(events.begin(), events.end(), "-45");
    ASSERT_NE(copy, events.end());
    auto paste = std::find(copy, events.end(), "w5");
    ASSERT_NE(paste, events.end());
    std::vector<std::string> tail(paste + 1, events.end());
    std::vector<std::string> keys;
    for (const std::string& event : tail)
        if (event[0] == '+' || event[0] == '-')
            keys.push_back(event);
    EXPECT_EQ(keys, (std::vector<std::string>{"+17", "+36", "-36", "-17"}));
    EXPECT_EQ(tail.back(), "w50");
    for (const std::string& event : events) {
        EXPECT_NE(event[0], 'L') << "a click";
        EXPECT_NE(event.rfind("move", 0), 0u) << event;
        EXPECT_NE(event, "hide");
    }
}

TEST(PlanClearingClick, KeepsTheClickFromPairingWithTheDropClick) {
    const DoubleClickRule rule{500, 4, 4};
    auto inDocument = [](ScreenPoint p) { return p.x >= 100 && p.x < 500; };
    struct Case {
        const char* what;
        SentClick previous;
        ScreenPoint at;
        int x;
        unsigned waitMs;
    };
    const Case cases[] = {
        {"no click before", {}, {300, 200}, 300, 0},
        {"drop click 250 ms before: beside it", {true, {300, 200}, 9750}, {300, 200}, 303, 0},
        {"one pixel away", {true, {301, 199}, 9750}, {300, 200}, 304, 0},
        {"right side outside: left", {true, {498, 200}, 9750}, {498, 200}, 495, 0},
        {"neither side: wait", {true, {300, 200}, 9750}, {300, 200}, 300, 250},
        {"double-click time over", {true, {300, 200}, 9500}, {300, 200}, 300, 0},
        {"outside the rectangle", {true, {303, 200}, 9900}, {300, 200}, 300, 0},
        {"clock wrapped", {true, {300, 200}, 0xFFFFFF00u}, {300, 200}, 300, 0},
    };
    for (const Case& k : cases) {
        bool narrow = std::string(k.what) == "neither side: wait";
        ClickPlan plan = PlanClearingClick(k.at, k.previous, 10000, rule,
                                           [&](ScreenPoint p) { return !narrow && inDocument(p); });
        EXPECT_EQ(plan.at.x, k.x) << k.what;
        EXPECT_EQ(plan.at.y, k.at.y) << k.what;
        EXPECT_EQ(plan.waitMs, k.waitMs) << k.what;
    }
}

TEST(CaptureDocumentText, ClearsBesideTheDropClickWithoutWaiting) {
    Capture c;
    c.desktop.dropClick = {true, {300, 200}, 9700};
    ASSERT_TRUE(c.run());
    EXPECT_EQ(c.desktop.count("move 303,200"), 1);
    EXPECT_EQ(c.desktop.count("click 303,200"), 1);
    EXPECT_EQ(c.desktop.count("move 300,200"), 1); // the pointer back
    EXPECT_EQ(c.desktop.input_.waitedMs, 50u + 3 + 50 + 5 + 2);
}

TEST(ClipboardKeeper, PutsTheUsersClipboardBackAndMarksIt) {
    Capture c;
    FakeClipboard& clipboard = c.desktop.clipboard_;
    clipboard.put({{FakeClipboard::kText, "mine"},
                   {FakeClipboard::kBitmap, "handle"},
                   {FakeClipboard::kUnicodeText, "m\0i\0"},
                   {0xC123, "rich"}});
    ASSERT_TRUE(c.run());
    EXPECT_EQ(clipboard.text(), "the document");
    ASSERT_TRUE(c.keeper.restore());
    EXPECT_EQ(clipboard.text(), "mine");
    std::string bytes;
    EXPECT_TRUE(clipboard.read(0xC123, bytes));
    EXPECT_EQ(bytes, "rich");
    EXPECT_TRUE(clipboard.read(FakeClipboard::kBitmap, bytes)); // no CF_DIB: kept itself
    EXPECT_EQ(bytes, "handle");
    ASSERT_TRUE(clipboard.read(clipboard.registered("CanIncludeInClipboardHistory"), bytes));
    EXPECT_EQ(bytes, std::string(4, '\0'));
    EXPECT_TRUE(clipboard.read(clipboard.registered("ExcludeClipboardContentFromMonitorProcessing"),
                               bytes));
    EXPECT_FALSE(clipboard.isOpen);
    EXPECT_FALSE(c.keeper.restore()); // only once
}

// With the clipboard's sequence number, and without one (Windows 95, NT 4),
// where its owner and text tell a change.
TEST(ClipboardKeeper, RestoresAlsoAfterAFailedCaptureAndAnEmptyClipboardStaysEmpty) {
    for (bool numbered : {true, false}) {
        Capture failed;
        failed.desktop.clipboard_.numbered = numbered;
        failed.desktop.copyOnAttempt = 99;
        failed.desktop.clipboard_.put({{FakeClipboard::kText, "mine"}});
        EXPECT_FALSE(failed.run());
        EXPECT_TRUE(failed.keeper.restore()) << numbered;
        EXPECT_EQ(failed.desktop.clipboard_.text(), "mine");

        Capture empty;
        empty.desktop.clipboard_.numbered = numbered;
        ASSERT_TRUE(empty.run());
        EXPECT_TRUE(empty.keeper.restore()) << numbered;
        EXPECT_EQ(empty.desktop.clipboard_.countFormats(), 0);
    }
}

TEST(ClipboardKeeper, ANewerCopyOfTheUserWins) {
    for (bool numbered : {true, false}) {
        Capture c;
        c.desktop.clipboard_.numbered = numbered;
        c.desktop.clipboard_.put({{FakeClipboard::kText, "old"}});
        ASSERT_TRUE(c.run());
        c.desktop.clipboard_.put({{FakeClipboard::kText, "newer"}});
        EXPECT_FALSE(c.keeper.restore()) << numbered;
        EXPECT_EQ(c.desktop.clipboard_.text(), "newer");
    }
}

TEST(ClipboardKeeper, NothingToRestoreWithoutASave) {
    FakeClipboard clipboard;
    clipboard.put({{FakeClipboard::kText, "x"}});
    ClipboardKeeper keeper(clipboard);
    keeper.noteCaptureLeft();
    EXPECT_FALSE(keeper.restore());
    EXPECT_EQ(clipboard.text(), "x");
}

TEST(CaptureDocumentText, TextOnTheFiftiethPollOfTheSixthAttemptIsTheLastTaken) {
    const struct {
        int pastesUntilText;
        bool captured;
        int selectAlls;
    } cases[] = {
        {50, true, 1},  // the first attempt's last poll after the key
        {60, true, 1},  // its last poll after WM_COPY
        {61, true, 2},  // the second attempt's first poll
        {360, true, 6}, // the sixth attempt's last poll
        {361, false, 6},
    };
    for (const auto& k : cases) {
        Capture c;
        c.desktop.pendingPastes = k.pastesUntilText; // whatever keys it gets
        EXPECT_EQ(c.run(), k.captured) << k.pastesUntilText;
        EXPECT_EQ(c.text, k.captured ? "the document" : "") << k.pastesUntilText;
        EXPECT_EQ(c.desktop.count("+65"), k.selectAlls) << k.pastesUntilText;
        EXPECT_EQ(c.desktop.pastes, std::min(k.pastesUntilText, 360)) << k.pastesUntilText;
    }
}

// A selection left behind would be replaced by the user's next key: every
// capture that played a select-all collapses it, whether or not the
// application copied, with a click or (keyboard read) with Ctrl+Home.
TEST(CaptureDocumentText, EveryCaptureThatSelectedAllCollapsesTheSelection) {
    for (bool copies : {true, false}) {
        for (SelectionClearing clearing :
             {SelectionClearing::ClickAtStartPoint, SelectionClearing::CollapseByKey}) {
            bool byClick = clearing == SelectionClearing::ClickAtStartPoint;
            SCOPED_TRACE(std::string(copies ? "copied" : "nothing copied") +
                         (byClick ? ", click" : ", key"));
            Capture c;
            if (!copies)
                c.desktop.copyOnAttempt = 99;
            EXPECT_EQ(c.run(clearing), copies);
            const auto& events = c.desktop.input_.events;
            auto lastSelect = std::find(events.rbegin(), events.rend(), "+65");
            ASSERT_NE(lastSelect, events.rend());
            std::vector<std::string> after(lastSelect.base(), events.end());
            auto has = [&after](const std::string& e) {
                return std::count(after.begin(), after.end(), e);
            };
            EXPECT_EQ(has("click 300,200"), byClick ? 1 : 0);
            EXPECT_EQ(has("+36"), byClick ? 0 : 1); // Home
            EXPECT_EQ(after.back(), "w50");
        }
    }
}

// The copy requests the document may still answer after the capture (its
// keystrokes, and WM_COPY messages it did not answer in time) bound the late
// copies that the keeper undoes after the restore.
TEST(CaptureDocumentText, LeavesTheKeeperTheCopiesTheDocumentMayStillMake) {
    struct Setup {
        const char* what;
        std::vector<int> copyKeys;
        int copyOnAttempt;
        bool copiesOnMessage;
        bool answersMessage;
        int pending;
    };
    const Setup setups[] = {
        {"Ctrl+Insert answered", {45}, 1, false, true, 0},
        {"WM_COPY answered after Ctrl+Insert", {67}, 1, true, true, 1},
        {"Ctrl+C answered in the third attempt", {67}, 2, false, true, 2},
        {"nothing answered", {45, 67}, 99, false, true, 6},
        {"no WM_COPY answered in time", {45, 67}, 99, false, false, 12},
    };
    // Whether `late` copies of the document, 100 ms apart, all get undone.
    auto undoesAll = [](const Setup& setup, int late) {
        Capture c;
        c.desktop.copyKeys = setup.copyKeys;
        c.desktop.copyOnAttempt = setup.copyOnAttempt;
        c.desktop.copiesOnMessage = setup.copiesOnMessage;
        c.desktop.answersMessage = setup.answersMessage;
        c.desktop.clipboard_.put({{FakeClipboard::kText, "mine"}});
        c.run();
        EXPECT_EQ(c.pendingCopies, setup.pending) << setup.what;
        c.keeper.restore();
        FakeClock clock;
        for (int i = 1; i <= late; ++i)
            clock.schedule(100 * i, [&c] {
                c.desktop.clipboard_.put({{FakeClipboard::kText, "late"}},
                                         FakeClipboard::kDocumentProgram);
            });
        c.keeper.watchForLateCopies(clock);
        clock.runAll();
        return c.desktop.clipboard_.text() == "mine";
    };
    for (const Setup& setup : setups) {
        EXPECT_TRUE(undoesAll(setup, setup.pending)) << setup.what;
        EXPECT_FALSE(undoesAll(setup, setup.pending + 1)) << setup.what;
    }
}
