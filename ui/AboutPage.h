// AboutPage: the "About" tab: name, version, the maker's addresses and the
// links to mail, web page and the other-software page.
#pragma once

#include "toolkit/Dialog.h"

class AboutPage : public DialogImpl<AboutPage> {
public:
    // Creates the page, hidden, as a child of the tabbed window.
    HWND create(HWND tabbedWindow);

    static const MessageMap<AboutPage> kMap;

private:
    static const CommandHandler<AboutPage> kCommands[];

    BOOL onInit() override { return FALSE; }
    void onMail();
    void onWeb();
    void onOtherSoftware();
    void onCancel();
    // A page never ends itself; this one has no OK of its own either.
    void onUnhandledCommand(int) override {}
};
