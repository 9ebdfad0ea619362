// TrayClicks: what the mouse on the tray icon asks for. A press released
// within the hold time is a click (the Vocabularies page); held longer, it
// starts the drag of the all-vocabularies icon. While the program is busy a
// press only brings it forward. A second start of the program asks for what
// a click would; while busy, for what the program shows. Before start-up has
// finished (its message boxes dispatch messages while the tray icon and the
// drag do not exist yet) nothing is acted on, and a second start waits.
#pragma once

// The shell's mouse messages, whose "left" is the primary button: the window
// system maps the buttons before it makes messages, also when the user has
// swapped them.
enum class TrayMouse { LeftDown, LeftUp, LeftDoubleClick, RightDown, Other };

enum class TrayAction {
    Nothing,
    WaitForHold, // wait the hold time (releases arrive meanwhile), then ask afterHold()
    OpenVocabularies,
    StartDrag, // of the all-vocabularies icon
    ShowMenu,
    BringForward,   // the hidden main window, which takes the keyboard focus
    ShowOpenWindow, // whatever the busy program shows (the tabbed window, say)
};

class TrayClicks {
public:
    static constexpr unsigned kHoldMs = 150;

    TrayAction onMouse(TrayMouse mouse, bool busy);
    // The decision once the hold time after a press has passed.
    TrayAction afterHold();
    // Another start of the program found this one running.
    TrayAction onSecondStart(bool busy);
    // Start-up has finished; true when a second start that came during it is
    // to be answered now (by onSecondStart).
    bool finishStartUp();
    bool startedUp() const { return startedUp_; }

private:
    bool pendingClick_ = false;
    bool startedUp_ = false;
    bool secondStartWaiting_ = false;
};
