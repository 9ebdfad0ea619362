// TabbedWindow: the "Zembrafind" window with the four editing pages. It
// runs an editing session: OK makes the working copy the program's data and
// writes the data file (after a failed save the window stays open with every
// edit), Cancel throws the copy away.
#pragma once

#include "app/logic/EditingSession.h"
#include "app/logic/PageCommits.h"
#include "toolkit/Dialog.h"
#include "toolkit/KeyCommands.h"
#include "ui/AboutPage.h"
#include "ui/KeywordsPage.h"
#include "ui/SettingsPage.h"
#include "ui/VocabulariesPage.h"

class TabbedWindow : public DialogImpl<TabbedWindow>, private EditingHost, private PageCommitHost {
public:
    static constexpr int kVocabulariesPage = 0;
    static constexpr int kKeywordsPage = 1;
    static constexpr int kSettingsPage = 2;
    static constexpr int kAboutPage = 3;
    static constexpr int kPageCount = 4;

    // Opens the window on `page` and runs it modally.
    static void open(int page);

    // Selects tab `page` and shows its page.
    void showPage(int page);

    static const MessageMap<TabbedWindow> kMap;

private:
    static const MessageHandler<TabbedWindow> kMessages[];
    static const CommandHandler<TabbedWindow> kCommands[];
    static const NotifyHandler<TabbedWindow> kNotifications[];
    static const KeyCommand kTabKeys[];

    explicit TabbedWindow(int page);
    BOOL onInit() override;
    INT_PTR onPaint(WPARAM, LPARAM);
    INT_PTR onHelpKey(WPARAM, LPARAM);
    INT_PTR onDragVocabulary(WPARAM index, LPARAM);
    INT_PTR onReadVocabulary(WPARAM index, LPARAM);
    void onOk();
    void onCancel();
    void onHelp();
    void onInitAgain();
    void onShowKeywords();
    void onNextTab();
    void onPreviousTab();
    LRESULT onTabChanged(NMHDR*);

    void showSelectedPage();
    // Page `index`, made now if it has not been shown before; null when it
    // could not be made.
    HWND page(int index);
    int chosenVocabulary() const;
    void placePage(HWND page) const;
    void paintTitle(HDC dc) const;
    // Commits the session; true when it was saved and the window closes.
    bool commit();

    void setBusy(bool on) override;
    void reportSaveFailed() override;
    bool confirmSaveWithoutFile() override;

    bool commitEdits() override { return commit(); }
    bool primaryButtonDown() override;
    void startDrag(int vocabularyIndex) override;
    bool documentRemembered() override;
    void tellNoDocument() override;
    void startRead(int vocabularyIndex) override;

    int initialPage_;
    EditingSession session_;
    KeywordsPage keywords_;
    VocabulariesPage vocabularies_;
    SettingsPage settings_;
    AboutPage about_;
    HWND pages_[kPageCount] = {};
    std::unique_ptr<KeyCommands> tabKeys_;
};
