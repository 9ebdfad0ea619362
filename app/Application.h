// The application object: the state the whole program shares, one of each
// for the run (the current store, busy, the tracker, the open windows).
#pragma once

#include "app/logic/ProgramData.h"
#include "toolkit/ProgramFolder.h"
#include "ui/logic/ClipboardCopyMark.h"
#include "vocab/KeywordClipboard.h"
#include "vocab/datafile/win32/Win32FileSystem.h"

#include <windows.h>

#include <memory>

class MainWindow;
class TabbedWindow;
class KeywordsFoundWindow;
class DocumentWindowTracker;

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE instance() const { return instance_; }
    void setInstance(HINSTANCE instance) { instance_ = instance; }

    // The current store, never none: while the tabbed window is open, its
    // working copy.
    DataStore* store() const { return &data_.store(); }
    ProgramData& data() { return data_; }

    bool busy() const { return busy_; }
    // Sets busy and shows it in the tray icon.
    void setBusy(bool on);

    MainWindow* mainWindow = nullptr;
    HWND mainWindowHandle = nullptr;
    TabbedWindow* tabbedWindow = nullptr;
    KeywordClipboard keywordClipboard;
    // What the Keywords page's "&Copy" last put on the system clipboard.
    ClipboardCopyMark keywordCopyMark;
    DocumentWindowTracker& tracker() { return *tracker_; }
    // The one keywords-found window, or none.
    std::unique_ptr<KeywordsFoundWindow> keywordsFoundWindow;

private:
    HINSTANCE instance_ = nullptr;
    Win32FileSystem files_;
    ProgramData data_;
    std::unique_ptr<DocumentWindowTracker> tracker_;
    bool busy_ = false;
};

Application& app();

// Where data.dat lives: beside the program, so that a program started from
// the Start menu (no working folder) still finds the user's vocabularies.
std::string dataFilePath();
