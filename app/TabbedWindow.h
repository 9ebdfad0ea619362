// TabbedWindow: the "Zembrafind" window with the four editing pages. It
// edits a working copy of the store: OK makes the copy the program's data
// and writes the data file, Cancel throws the copy away.
#pragma once

#include "toolkit/Dialog.h"
#include "ui/AboutPage.h"
#include "ui/KeywordsPage.h"
#include "ui/SettingsPage.h"
#include "ui/VocabulariesPage.h"
#include "vocab/DataStore.h"

#include <memory>

class TabbedWindow : public DialogImpl<TabbedWindow> {
public:
    static constexpr int kVocabulariesPage = 0;
    static constexpr int kKeywordsPage = 1;
    static constexpr int kSettingsPage = 2;
    static constexpr int kAboutPage = 3;
    static constexpr int kPageCount = 4;

    // Opens the window on `page` and runs it modally.
    static void open(int page);
    // A page's OK or Cancel: sends `command` (IDOK or IDCANCEL) to the open
    // tabbed window, if any, and forgets that window.
    static void sendToCurrent(int command);

    ~TabbedWindow() override;
    // Selects tab `page` and shows its page.
    void showPage(int page);

    static const MessageMap<TabbedWindow> kMap;

private:
    static const MessageHandler<TabbedWindow> kMessages[];
    static const CommandHandler<TabbedWindow> kCommands[];
    static const NotifyHandler<TabbedWindow> kNotifications[];

    explicit TabbedWindow(int page);
    BOOL onInit() override;
    INT_PTR onPaint(WPARAM, LPARAM);
    void onOk();
    void onCancel();
    void onHelp();
    void onInitAgain();
    LRESULT onTabChanged(NMHDR*);

    void showSelectedPage();
    void placePage(HWND page) const;
    void paintTitle(HDC dc) const;
    // Cancel's store rule: the working copy goes, the saved store returns.
    void discardCopy();

    int initialPage_;
    std::unique_ptr<DataStore> saved_;
    bool settled_ = false;
    KeywordsPage keywords_;
    VocabulariesPage vocabularies_;
    SettingsPage settings_;
    AboutPage about_;
    HWND pages_[kPageCount] = {};
};
