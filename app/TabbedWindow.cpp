// The tabbed window: tabs, page switching, the working copy with its commit
// or discard, Help, and the embossed vertical title in the left margin.
#include "app/TabbedWindow.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/logic/TitleColours.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/Win32Input.h"
#include "resources/AppIds.h"
#include "resources/PageIds.h"
#include "toolkit/Handles.h"
#include "toolkit/LoadText.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/PageRequests.h"

#include <malloc.h>

const MessageHandler<TabbedWindow> TabbedWindow::kMessages[] = {
    {WM_PAINT, &TabbedWindow::onPaint},
    {WM_HELP, &TabbedWindow::onHelpKey},
    {kDragVocabularyMessage, &TabbedWindow::onDragVocabulary},
    {kReadVocabularyMessage, &TabbedWindow::onReadVocabulary},
};

const CommandHandler<TabbedWindow> TabbedWindow::kCommands[] = {
    {IDOK, &TabbedWindow::onOk},
    {IDCANCEL, &TabbedWindow::onCancel},
    {IDC_HELP_BUTTON, &TabbedWindow::onHelp},
    {IDC_INIT, &TabbedWindow::onInitAgain},
    {kShowKeywordsPageCommand, &TabbedWindow::onShowKeywords},
    {IDC_NEXT_TAB, &TabbedWindow::onNextTab},
    {IDC_PREVIOUS_TAB, &TabbedWindow::onPreviousTab},
};

// The tab control never takes the focus, so the tabs are switched by the
// keys that property sheets use.
const KeyCommand TabbedWindow::kTabKeys[] = {
    {VK_TAB, false, IDC_NEXT_TAB},
    {VK_TAB, true, IDC_PREVIOUS_TAB},
    {VK_NEXT, false, IDC_NEXT_TAB},
    {VK_PRIOR, false, IDC_PREVIOUS_TAB},
};

const NotifyHandler<TabbedWindow> TabbedWindow::kNotifications[] = {
    {IDC_TABS, TCN_SELCHANGE, &TabbedWindow::onTabChanged},
};

const MessageMap<TabbedWindow> TabbedWindow::kMap{kMessages, kCommands, kNotifications};

namespace {
const UINT kTabTitles[TabbedWindow::kPageCount] = {IDS_TAB_VOCABULARIES, IDS_TAB_KEYWORDS,
                                                   IDS_TAB_SETTINGS, IDS_TAB_ABOUT};
// Where a page sits relative to the tab control's top-left corner, in pixels.
constexpr int kPageLeft = 16;
constexpr int kPageTop = 32;
} // namespace

// The pages and the store that was not kept are gone once the window ends:
// the heap gives their pages back to the system.
void TabbedWindow::open(int page) {
    // Before the session copies the store: the pages must show the data file
    // that could not be read at start-up if it can be read now.
    LoadDataAgain();
    {
        TabbedWindow window(page);
        window.runModal(app().mainWindowHandle(), IDD_TABBED);
    }
    _heapmin();
}

// The session's store goes to the program before the window: the session
// sets busy on here and off when it ends. The pages edit its working copy,
// current until the window ends.
TabbedWindow::TabbedWindow(int page)
    : initialPage_(page), session_(app().data(), *this),
      keywords_(*app().store(), app().keywordClipboard(), app().keywordCopyMark(),
                app().mainWindowHandle()),
      vocabularies_(*app().store()), settings_(*app().store()) {}

BOOL TabbedWindow::onInit() {
    HWND tabs = item(IDC_TABS);
    for (int page = 0; page < kPageCount; ++page) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        std::string title = loadText(kTabTitles[page]);
        tab.pszText = title.data();
        SendMessageA(tabs, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&tab));
    }
    showPage(initialPage_);
    tabKeys_ = std::make_unique<KeyCommands>(hwnd(), kTabKeys);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    PostMessageA(hwnd(), WM_COMMAND, IDC_INIT, 0);
    return FALSE;
}

// Once the window has appeared, the initial page is chosen once more: what
// the system did while showing the window must not leave another tab up.
void TabbedWindow::onInitAgain() {
    showPage(initialPage_);
}

void TabbedWindow::showPage(int page) {
    TabCtrl_SetCurSel(item(IDC_TABS), page);
    showSelectedPage();
}

void TabbedWindow::onShowKeywords() {
    showPage(kKeywordsPage);
}

void TabbedWindow::onNextTab() {
    showPage((TabCtrl_GetCurSel(item(IDC_TABS)) + 1) % kPageCount);
}

void TabbedWindow::onPreviousTab() {
    showPage((TabCtrl_GetCurSel(item(IDC_TABS)) + kPageCount - 1) % kPageCount);
}

LRESULT TabbedWindow::onTabChanged(NMHDR*) {
    showSelectedPage();
    return 0;
}

// Each page is made the first time its tab is shown, and lives until the
// window ends: the window opens with one page made, not four, and a page
// shown again is as the user left it.
HWND TabbedWindow::page(int index) {
    if (pages_[index])
        return pages_[index];
    switch (index) {
    case kKeywordsPage:
        pages_[index] = keywords_.create(hwnd());
        break;
    case kVocabulariesPage:
        pages_[index] = vocabularies_.create(hwnd());
        break;
    case kSettingsPage:
        pages_[index] = settings_.create(hwnd());
        break;
    case kAboutPage:
        pages_[index] = about_.create(hwnd());
        break;
    }
    return pages_[index];
}

// The vocabulary the Keywords page shows. A Vocabularies page not made yet
// would have had its first item chosen, which the Keywords page also shows
// when asked for none.
int TabbedWindow::chosenVocabulary() const {
    return pages_[kVocabulariesPage] ? vocabularies_.selectedIndex() : -1;
}

void TabbedWindow::showSelectedPage() {
    int selected = TabCtrl_GetCurSel(item(IDC_TABS));
    for (HWND shown : pages_)
        if (shown)
            ShowWindow(shown, SW_HIDE);
    if (selected < 0 || selected >= kPageCount || !page(selected))
        return;
    HWND window = pages_[selected];
    placePage(window);
    ShowWindow(window, SW_SHOW);
    if (selected == kKeywordsPage)
        keywords_.fill(chosenVocabulary());
    // Every page takes the focus, About too: the keys must not stay with a
    // control of the page just hidden.
    SetFocus(window);
}

void TabbedWindow::placePage(HWND page) const {
    RECT tabs{};
    GetWindowRect(item(IDC_TABS), &tabs);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&tabs), 2);
    // Above the tab control, which would otherwise paint over the page.
    SetWindowPos(page, HWND_TOP, tabs.left + kPageLeft, tabs.top + kPageTop, 0, 0, SWP_NOSIZE);
}

void TabbedWindow::onOk() {
    commit();
}

bool TabbedWindow::commit() {
    if (session_.commit() != CommitResult::Saved)
        return false;
    end(IDOK);
    return true;
}

// A drag from the Vocabularies page.
INT_PTR TabbedWindow::onDragVocabulary(WPARAM index, LPARAM) {
    startPageDrag(*this, static_cast<int>(index));
    return TRUE;
}

// A read by key from the Vocabularies page.
INT_PTR TabbedWindow::onReadVocabulary(WPARAM index, LPARAM) {
    readFromPage(*this, static_cast<int>(index));
    return TRUE;
}

bool TabbedWindow::documentRemembered() {
    return IsWindow(app().tracker().window()) != FALSE;
}

void TabbedWindow::tellNoDocument() {
    showMessage(pages_[kVocabulariesPage], IDS_NO_DOCUMENT, MB_ICONINFORMATION);
}

// The main window starts the read once this window has closed.
void TabbedWindow::startRead(int index) {
    app().mainWindow().readByKey(index);
}

bool TabbedWindow::primaryButtonDown() {
    return IsButtonDown(ButtonRole::Primary);
}

// After the commit the working copy is the program's store.
void TabbedWindow::startDrag(int index) {
    Vocabulary* vocabulary = app().store()->vocabularies.at(index);
    if (!vocabulary)
        return;
    Icon icon = vocabularyIcon(*vocabulary);
    app().mainWindow().startIconDrag(icon.get(), index);
}

void TabbedWindow::onCancel() {
    if (!session_.discard())
        return;
    end(IDCANCEL);
}

void TabbedWindow::setBusy(bool on) {
    app().setBusy(on);
}

// Owned by this window, so that the window takes nothing while it shows.
void TabbedWindow::reportSaveFailed() {
    MessageBoxA(hwnd(), loadText(IDS_SAVE_FAILED).c_str(), loadText(IDS_APP_TITLE).c_str(),
                MB_OK | MB_ICONSTOP);
}

// No is the default: the safe answer keeps the file and the window.
bool TabbedWindow::confirmSaveWithoutFile() {
    return MessageBoxA(hwnd(), loadText(IDS_SAVE_WITHOUT_FILE).c_str(),
                       loadText(IDS_APP_TITLE).c_str(),
                       MB_YESNO | MB_DEFBUTTON2 | MB_ICONINFORMATION) == IDYES;
}

// F1 here or on a page (the pages pass it up as children do).
INT_PTR TabbedWindow::onHelpKey(WPARAM, LPARAM) {
    onHelp();
    return TRUE;
}

void TabbedWindow::onHelp() {
    OpenProgramFolderPage("zfhelp.htm");
}

INT_PTR TabbedWindow::onPaint(WPARAM, LPARAM) {
    PaintContext paint(hwnd());
    paintTitle(paint.dc());
    return TRUE;
}

namespace {

// The system's colours for the title, read at every paint: the user may
// switch the scheme while the window is open.
TitleScheme CurrentTitleScheme() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    // Without the accessibility options the call fails: no high contrast.
    bool high = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
            GetSysColor(COLOR_3DDKSHADOW), high};
}

int SystemColourIndex(TitleInk ink) {
    switch (ink) {
    case TitleInk::Highlight:
        return COLOR_BTNHIGHLIGHT;
    case TitleInk::DarkShadow:
        return COLOR_3DDKSHADOW;
    case TitleInk::Face:
        return COLOR_BTNFACE;
    case TitleInk::ButtonText:
        break;
    }
    return COLOR_BTNTEXT;
}

} // namespace

// "Zembrafind" upwards in the left margin, embossed (a light layer, a dark
// one and the face colour on top, each a pixel or two apart) or plain where
// the system's colours would make the embossing unreadable.
void TabbedWindow::paintTitle(HDC dc) const {
    int height = MulDiv(18, GetDeviceCaps(dc, LOGPIXELSY), 72);
    RECT anchor{};
    if (HWND control = item(IDC_TITLE_ANCHOR)) {
        GetWindowRect(control, &anchor);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&anchor), 2);
    }
    SetBkMode(dc, TRANSPARENT);
    Font font(CreateFontA(-height, 0, 900, 0, 800, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                          "Arial"));
    SelectedObject selected(dc, font.get());
    const std::string title = loadText(IDS_APP_TITLE);
    const int length = static_cast<int>(title.size());
    SIZE extent{};
    GetTextExtentPoint32A(dc, title.c_str(), length, &extent);
    for (const TitleLayer& layer : ChooseTitleLayers(CurrentTitleScheme())) {
        SetTextColor(dc, GetSysColor(SystemColourIndex(layer.ink)));
        TextOutA(dc, layer.offset, anchor.top + extent.cx + layer.offset, title.c_str(), length);
    }
}
