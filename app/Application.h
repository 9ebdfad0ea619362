// The application object: the state the whole program shares, one of each
// for the run (the current store, busy, the tracker, the open windows). It
// lives in WinMain, for the main window's run.
#pragma once

#include "app/logic/ProgramData.h"
#include "clipboard/ClipboardMark.h"
#include "toolkit/ProgramFolder.h"
#include "vocab/KeywordClipboard.h"
#include "vocab/datafile/win32/Win32FileSystem.h"

#include <windows.h>

#include <memory>

class MainWindow;
class KeywordsFoundWindow;
class DocumentWindowTracker;

class Application {
public:
    // The program's one application object, for the run of `mainWindow`
    // (whose window exists once its run has started); app() finds it while
    // it lives.
    Application(HINSTANCE instance, MainWindow& mainWindow);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE instance() const { return instance_; }
    MainWindow& mainWindow() const { return mainWindow_; }
    // The main window's window; none before its run has started.
    HWND mainWindowHandle() const;

    // The current store, never none: while the tabbed window is open, its
    // working copy.
    DataStore* store() const { return &data_.store(); }
    ProgramData& data() { return data_; }

    // Busy while a read runs, the tabbed window is open or "Go to" plays its
    // keys: the tray icon and the reads then start nothing.
    bool busy() const { return busy_ || goingTo_; }
    // Sets busy and shows it in the tray icon.
    void setBusy(bool on);
    // "Go to" runs on its own flag: it may be chosen while the tabbed window
    // holds busy, and must not end that window's busy when it ends.
    void setGoingTo(bool on);

    // The keyword rows copied on the Keywords page, kept for the whole run.
    KeywordClipboard& keywordClipboard() { return keywordClipboard_; }
    // What the Keywords page's "&Copy" last put on the system clipboard.
    ClipboardMark& keywordCopyMark() { return keywordCopyMark_; }
    DocumentWindowTracker& tracker() { return *tracker_; }
    // The one keywords-found window, or none.
    KeywordsFoundWindow* keywordsFoundWindow() const { return keywordsFoundWindow_.get(); }
    // Replaces the keywords-found window (none destroys it).
    void setKeywordsFoundWindow(std::unique_ptr<KeywordsFoundWindow> window);

private:
    HINSTANCE instance_;
    MainWindow& mainWindow_;
    Win32FileSystem files_;
    ProgramData data_;
    std::unique_ptr<DocumentWindowTracker> tracker_;
    KeywordClipboard keywordClipboard_;
    ClipboardMark keywordCopyMark_;
    std::unique_ptr<KeywordsFoundWindow> keywordsFoundWindow_;
    bool busy_ = false;
    bool goingTo_ = false;
    void showBusy();
};

// The application object of the run; only while one lives.
Application& app();

// Tells the user of a data file that was refused ("Data file load failed.")
// or could not be read (held open by another program); nothing for one that
// was read or is missing. The main window is hidden, so the box has no owner.
void ReportDataLoad(LoadOutcome outcome);
// Before the tabbed window opens and before a read: a data file that could
// not be read at start-up is read now if it can be; one refused then is told.
void LoadDataAgain();

// The quick-start page: opened from the program's folder at start-up,
// deleted from the current folder when the program ends (Exit, or Windows
// ending the session).
constexpr char kQuickStartPage[] = "zfqsf.htm";

// Where data.dat lives: beside the program, so that a program started from
// the Start menu (no working folder) still finds the user's vocabularies.
std::string dataFilePath();
