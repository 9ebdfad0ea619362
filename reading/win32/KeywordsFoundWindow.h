// KeywordsFoundWindow: the "Keywords found" list with "Go to" and "Close".
#pragma once

#include "toolkit/Dialog.h"
#include "vocab/TextList.h"

class DataStore;

class KeywordsFoundWindow : public DialogImpl<KeywordsFoundWindow> {
public:
    // The store whose "Go to" sequence a chosen keyword is typed with: the
    // one current when the user chooses, which the tabbed window may have
    // replaced since the read.
    using CurrentStore = const DataStore& (*)();

    // Creates the window, modeless, topmost and in front, owned by `owner`,
    // for the document window that was read.
    KeywordsFoundWindow(HWND owner, HWND document, CurrentStore currentStore);
    ~KeywordsFoundWindow() override;

    // Adds copies of a search's hits (nothing merged) and lists them all,
    // sorted, the first one selected.
    void addFound(const KeywordList& hits);
    // Shows the window and brings it to the front.
    void show();

    static const MessageMap<KeywordsFoundWindow> kMap;

private:
    static const CommandHandler<KeywordsFoundWindow> kCommands[];

    BOOL onInit() override;
    void fillList();
    void onGoTo();
    void onClose();

    HWND document_;
    CurrentStore currentStore_;
    KeywordList found_;
    HHOOK keyboardHook_ = nullptr;
};
