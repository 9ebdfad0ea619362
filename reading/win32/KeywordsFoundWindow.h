// KeywordsFoundWindow: the "Keywords found" list with "Go to" and "Close".
#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/MessageHooks.h"
#include "vocab/TextList.h"

#include <string>

class KeywordsFoundWindow : public DialogImpl<KeywordsFoundWindow>, private MessageListener {
public:
    // Plays "Go to" for the keyword chosen in the window, into the document
    // that was read. It is given copies: the window, hidden by then, may be
    // destroyed by a read while the keys are played.
    using GoTo = void (*)(HWND document, const std::string& keyword);

    // Creates the window, modeless, topmost and in front, owned by `owner`,
    // for the document window that was read.
    KeywordsFoundWindow(HWND owner, HWND document, GoTo goTo);

    // Adds copies of a search's hits (nothing merged) and lists them all,
    // sorted, the first one selected.
    void addFound(const KeywordList& hits);
    // Shows the window and brings it to the front.
    void show();

    static const MessageMap<KeywordsFoundWindow> kMap;

private:
    static const CommandHandler<KeywordsFoundWindow> kCommands[];

    BOOL onInit() override;
    // The window's keys, given to the dialog manager.
    bool take(MSG& message) override;
    void fillList();
    void onGoTo();
    void onClose();

    HWND document_;
    GoTo goTo_;
    KeywordList found_;
    HookRegistration keys_{HookPoint::Retrieval, *this};
};
