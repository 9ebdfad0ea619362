// The hidden main window: start-up, the tray icon's mouse rules and menu.
#include "app/MainWindow.h"

#include "app/Application.h"
#include "toolkit/Handles.h"

#include <shellapi.h>
#include "app/TabbedWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/PumpingWait.h"
#include "reading/win32/Reads.h"
#include "resources/AppIds.h"

const MessageHandler<MainWindow> MainWindow::kMessages[] = {
    {WM_TIMER, &MainWindow::onTimer},
    {TrayIcon::kCallbackMessage, &MainWindow::onTrayMessage},
    {WM_WINDOWPOSCHANGING, &MainWindow::onWindowPosChanging},
};

const CommandHandler<MainWindow> MainWindow::kCommands[] = {
    {IDM_VOCABULARIES, &MainWindow::onVocabularies},
    {IDM_SETTINGS, &MainWindow::onSettings},
    {IDM_ABOUT, &MainWindow::onAbout},
    {IDM_HELP, &MainWindow::onHelp},
    {IDM_EXIT, &MainWindow::onExit},
    {IDCANCEL, &MainWindow::onExit},
    {IDM_MENU, &MainWindow::onMenu},
    {IDM_HIDE, &MainWindow::onHide},
    {IDM_READ_ALL, &MainWindow::onReadAll},
};

const MessageMap<MainWindow> MainWindow::kMap{kMessages, kCommands, {}};

namespace {
constexpr int kPressHoldMs = 150;
constexpr UINT kTrackerPeriodMs = 250;
} // namespace

void MainWindow::run() { runModal(nullptr, IDD_MAIN); }

BOOL MainWindow::onInit() {
    HICON icon = LoadIconA(app().instance(), MAKEINTRESOURCEA(IDI_APP));
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    MoveWindow(hwnd(), 0, 0, 0, 0, TRUE);
    app().mainWindow = this;
    app().mainWindowHandle = hwnd();

    auto store = std::make_unique<DataStore>();
    store->load(dataFilePath());
    app().setStore(std::move(store));

    SetTimer(hwnd(), kTrackerTimer, kTrackerPeriodMs, nullptr);
    tray_ = std::make_unique<TrayIcon>(hwnd());
    tray_->set(NIM_ADD, "SMALL_MAIN");
    PostMessageA(hwnd(), WM_COMMAND, IDM_HIDE, 0);
    drag_ = std::make_unique<IconDrag>(hwnd());
    return TRUE;
}

void MainWindow::showBusy(bool busy) {
    if (tray_)
        tray_->set(NIM_MODIFY, busy ? "SMALL_READING" : "SMALL_MAIN");
}

void MainWindow::startIconDrag(HICON icon, int vocabularyIndex) {
    drag_->start(icon, vocabularyIndex);
}

INT_PTR MainWindow::onTimer(WPARAM timer, LPARAM) {
    if (timer == kTrackerTimer)
        app().tracker().update();
    if (drag_ && drag_->active())
        drag_->step();
    return TRUE;
}

INT_PTR MainWindow::onTrayMessage(WPARAM, LPARAM mouseMessage) {
    if (app().busy()) {
        // Only bring the program forward: the open tabbed window or the
        // running read keeps the icon from starting anything else.
        if (mouseMessage == WM_LBUTTONDOWN) {
            SetForegroundWindow(hwnd());
            SetFocus(hwnd());
        }
        return FALSE;
    }
    switch (mouseMessage) {
    case WM_LBUTTONDOWN: onLeftButtonDown(); return TRUE;
    case WM_LBUTTONUP: onLeftButtonUp(); return TRUE;
    case WM_LBUTTONDBLCLK: onLeftDoubleClick(); return TRUE;
    case WM_RBUTTONDOWN: showTrayMenu(); return TRUE;
    default: return FALSE;
    }
}

// A press released within 150 ms is a click; held longer, it starts the drag
// of the all-vocabularies icon. The release arrives during the wait.
void MainWindow::onLeftButtonDown() {
    pendingClick_ = true;
    PumpingWait(kPressHoldMs);
    if (!pendingClick_)
        return;
    pendingClick_ = false;
    HICON icon = LoadIconA(app().instance(), "GENERIC_READING");
    startIconDrag(icon, -1);
}

void MainWindow::onLeftButtonUp() {
    bool wasPending = pendingClick_;
    pendingClick_ = false;
    if (wasPending)
        onVocabularies();
}

void MainWindow::onLeftDoubleClick() {
    pendingClick_ = false;
    onVocabularies();
}

void MainWindow::showTrayMenu() {
    // The menu's owner must be able to take the keyboard: Wine gives a hidden
    // window the foreground but not the keys, so the zero-sized window is
    // shown (it has no frame, so nothing of it can be seen) while the menu
    // runs, and hidden again afterwards.
    hidden_ = false;
    ShowWindow(hwnd(), SW_SHOWNA);
    SetForegroundWindow(hwnd());
    POINT pointer{};
    GetCursorPos(&pointer);
    Menu menu(LoadMenuA(app().instance(), "TRAY"));
    if (menu)
        TrackPopupMenu(GetSubMenu(menu.get(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pointer.x - 8,
                       pointer.y - 6, 0, hwnd(), nullptr);
    // The menu closes properly only when the owner gets a message afterwards.
    PostMessageA(hwnd(), WM_NULL, 0, 0);
    onHide();
}

void MainWindow::onVocabularies() { TabbedWindow::open(TabbedWindow::kVocabulariesPage); }
void MainWindow::onSettings() { TabbedWindow::open(TabbedWindow::kSettingsPage); }
void MainWindow::onAbout() { TabbedWindow::open(TabbedWindow::kAboutPage); }
void MainWindow::onHelp() { OpenProgramFolderPage("zfhelp.htm"); }
void MainWindow::onMenu() { showTrayMenu(); }
void MainWindow::onHide() {
    hidden_ = true;
    ShowWindow(hwnd(), SW_HIDE);
}

// The dialog manager shows a modal dialog at its first idle moment, which
// comes after the posted Hide; once hidden, the window stays hidden.
INT_PTR MainWindow::onWindowPosChanging(WPARAM, LPARAM position) {
    if (hidden_)
        reinterpret_cast<WINDOWPOS*>(position)->flags &= ~SWP_SHOWWINDOW;
    return FALSE;
}
void MainWindow::onReadAll() { ReadAllVocabularies(); }

void MainWindow::onExit() {
    KillTimer(hwnd(), kTrackerTimer);
    tray_->set(NIM_DELETE, "SMALL_MAIN");
    end(IDCANCEL);
}
