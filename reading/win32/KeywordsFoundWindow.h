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

    // Creates the window, modeless, topmost and hidden, owned by `owner`. It
    // is made once, ahead of the first read, and serves every read after it:
    // creating a dialog from its template cost the read tens of
    // milliseconds under Wine.
    KeywordsFoundWindow(HWND owner, CurrentStore currentStore);
    ~KeywordsFoundWindow() override;

    // Empties the window, hidden, for a read of `document`, and places it
    // centred on the pointer, where a window created now would appear.
    void open(HWND document);
    // Keeps copies of a search's hits (nothing merged) for show().
    void addFound(const KeywordList& hits);
    // Lists every kept hit, sorted, the first one selected; shows the window
    // topmost and brings it to the front.
    void show();
    // Hides the window and lets go of its entries (a read found nothing).
    void discard();
    // True while "Go to" plays its keys into the document: a read then would
    // mix its own keys into them, and is refused.
    bool goingTo() const { return goingTo_; }

    static const MessageMap<KeywordsFoundWindow> kMap;

private:
    static const CommandHandler<KeywordsFoundWindow> kCommands[];

    BOOL onInit() override;
    void fillList();
    void empty();
    void onGoTo();
    void onClose();

    HWND document_ = nullptr;
    CurrentStore currentStore_;
    KeywordList found_;
    HHOOK keyboardHook_ = nullptr;
    bool goingTo_ = false;
};
