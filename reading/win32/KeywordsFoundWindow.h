// KeywordsFoundWindow: the "Keywords found" list with "Go to" and "Close".
#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/MessageHooks.h"
#include "vocab/TextList.h"

#include <string>

class KeywordsFoundWindow : public DialogImpl<KeywordsFoundWindow>, private MessageListener {
public:
    // Plays "Go to" for the keyword chosen in the window, into the document
    // that was read. It is given copies: a read may open the window again
    // while the keys are played.
    using GoTo = void (*)(HWND document, const std::string& keyword);

    // Creates the window, modeless, topmost and hidden, owned by `owner`. It
    // is made once, ahead of the first read, and serves every read after it:
    // creating a dialog from its template cost the read tens of
    // milliseconds under Wine.
    KeywordsFoundWindow(HWND owner, GoTo goTo);

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

    static const MessageMap<KeywordsFoundWindow> kMap;

private:
    static const CommandHandler<KeywordsFoundWindow> kCommands[];

    BOOL onInit() override;
    // The window's keys, given to the dialog manager.
    bool take(MSG& message) override;
    void fillList();
    void empty();
    void onGoTo();
    void onClose();

    HWND document_ = nullptr;
    GoTo goTo_;
    KeywordList found_;
    HookRegistration keys_{HookPoint::Retrieval, *this};
};
