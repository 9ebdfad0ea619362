// KeywordsFoundWindow: the found entries, "Go to" and "Close".
#include "reading/win32/KeywordsFoundWindow.h"

#include "reading/WindowPlacement.h"
#include "resources/ReadingIds.h"

#include <vector>

const CommandHandler<KeywordsFoundWindow> KeywordsFoundWindow::kCommands[] = {
    {IDC_FOUND_GO_TO, &KeywordsFoundWindow::onGoTo},
    {IDC_FOUND_LIST, &KeywordsFoundWindow::onGoTo, LBN_DBLCLK},
    {IDOK, &KeywordsFoundWindow::onGoTo},
    {IDCANCEL, &KeywordsFoundWindow::onClose},
};

const MessageMap<KeywordsFoundWindow> KeywordsFoundWindow::kMap{{}, kCommands, {}};

namespace {

ScreenRect WorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

} // namespace

KeywordsFoundWindow::KeywordsFoundWindow(HWND owner, GoTo goTo) : goTo_(goTo) {
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
// vocabularies opens the window before its capture, and an empty window in
// front took the focus from the document the select-all keys go to. Under
// Wine the document's return to the front then released the player's Ctrl
// mid-sequence, typing a stray "a" into the user's document.
BOOL KeywordsFoundWindow::onInit() {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return FALSE;
}

// The dialog manager placed the window at the pointer when it was created;
// a window made ahead of need is placed the same way when a read opens it.
void KeywordsFoundWindow::open(HWND document) {
    ShowWindow(hwnd(), SW_HIDE);
    empty();
    document_ = document;
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenPoint at = CentredOnPointer({pointer.x, pointer.y}, frame.right - frame.left,
                                      frame.bottom - frame.top, WorkArea());
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeywordsFoundWindow::addFound(const KeywordList& hits) {
    for (const KeywordEntry& hit : hits)
        found_.append(hit.text().view(), hit.matchMode);
}

// The list is filled once, while the window is still hidden: nothing is
// drawn until it shows. The list box sorts what it is given.
void KeywordsFoundWindow::fillList() {
    HWND list = item(IDC_FOUND_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    SendMessageA(list, LB_INITSTORAGE, found_.count(), found_.count() * 16);
    for (const KeywordEntry& entry : found_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text().c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

// The keys go to the list, as in a window just made: the dialog would give
// them back to the control that had them when it was last closed.
void KeywordsFoundWindow::show() {
    fillList();
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(IDC_FOUND_LIST)), TRUE);
}

void KeywordsFoundWindow::discard() {
    ShowWindow(hwnd(), SW_HIDE);
    empty();
}

// A hidden window is never shown again without a read refilling it, so its
// entries are let go at once.
void KeywordsFoundWindow::empty() {
    SendMessageA(item(IDC_FOUND_LIST), LB_RESETCONTENT, 0, 0);
    found_.clear();
}

void KeywordsFoundWindow::onClose() {
    SetForegroundWindow(document_);
    ShowWindow(hwnd(), SW_HIDE);
    empty();
}

// Everything "Go to" needs is copied before its first wait, and nothing of
// this window is touched after it (the window is never destroyed by a read,
// but a read may open it again meanwhile).
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
