// KeywordsFoundWindow: the "Keywords found" list with "Go to" and "Close".
#pragma once

#include "toolkit/Dialog.h"
#include "vocab/TextList.h"

class KeywordsFoundWindow : public DialogImpl<KeywordsFoundWindow> {
public:
    // Creates the window, modeless, topmost and in front, for the document
    // window that was read.
    explicit KeywordsFoundWindow(HWND document);
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
    KeywordList found_;
    HHOOK keyboardHook_ = nullptr;
};
