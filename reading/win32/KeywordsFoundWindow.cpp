// KeywordsFoundWindow: the found entries, "Go to" and "Close".
#include "reading/win32/KeywordsFoundWindow.h"

#include "resources/ReadingIds.h"
#include "toolkit/RedrawFreeze.h"

#include <vector>

const CommandHandler<KeywordsFoundWindow> KeywordsFoundWindow::kCommands[] = {
    {IDC_FOUND_GO_TO, &KeywordsFoundWindow::onGoTo},
    {IDC_FOUND_LIST, &KeywordsFoundWindow::onGoTo, LBN_DBLCLK},
    {IDOK, &KeywordsFoundWindow::onGoTo},
    {IDCANCEL, &KeywordsFoundWindow::onClose},
};

const MessageMap<KeywordsFoundWindow> KeywordsFoundWindow::kMap{{}, kCommands, {}};

KeywordsFoundWindow::KeywordsFoundWindow(HWND owner, HWND document, GoTo goTo)
    : document_(document), goTo_(goTo) {
    createModeless(owner, IDD_KEYWORDS_FOUND);
}

// The window's keyboard interface (Escape, Enter, Tab) needs
// IsDialogMessage, which only the program's own loops could call; the main
// loop belongs to the hidden modal main window. The thread's message
// retrieval gives the keys to the dialog manager instead.
bool KeywordsFoundWindow::take(MSG& message) {
    HWND window = hwnd();
    return window && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
           (message.hwnd == window || IsChild(window, message.hwnd)) &&
           IsDialogMessageA(window, &message);
}

// Topmost, but hidden and without the focus until show(): a read of all
// vocabularies creates the window before its capture, and an empty window in
// front took the focus from the document the select-all keys go to. Under
// Wine the document's return to the front then released the player's Ctrl
// mid-sequence, typing a stray "a" into the user's document.
BOOL KeywordsFoundWindow::onInit() {
    fillList();
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return FALSE;
}

// The list box sorts what it is given, so adding just the new hits shows the
// same list as refilling it, without adding every earlier vocabulary's hits
// again for each vocabulary that follows.
void KeywordsFoundWindow::addFound(const KeywordList& hits) {
    HWND list = item(IDC_FOUND_LIST);
    RedrawFreeze frozen(list);
    for (const KeywordEntry& hit : hits) {
        found_.append(hit.text().view(), hit.matchMode);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hit.text().c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void KeywordsFoundWindow::fillList() {
    HWND list = item(IDC_FOUND_LIST);
    RedrawFreeze frozen(list);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const KeywordEntry& entry : found_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text().c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void KeywordsFoundWindow::show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
}

void KeywordsFoundWindow::onClose() {
    SetForegroundWindow(document_);
    ShowWindow(hwnd(), SW_HIDE);
}

// Everything "Go to" needs is copied before its first wait, and nothing of
// this window is touched after it: a read started during the waits may
// destroy this window.
void KeywordsFoundWindow::onGoTo() {
    HWND list = item(IDC_FOUND_LIST);
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    std::vector<char> text(SendMessageA(list, LB_GETTEXTLEN, selected, 0) + 1);
    SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
    const HWND document = document_;
    const GoTo goTo = goTo_;
    onClose();
    goTo(document, text.data());
}
