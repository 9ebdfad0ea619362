// The hidden main window: start-up, the tray icon's mouse rules and menu.
#include "app/MainWindow.h"

#include "app/Application.h"
#include "app/Reads.h"
#include "toolkit/Handles.h"
#include "toolkit/LoadText.h"

#include "app/TabbedWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/PumpingWait.h"
#include "reading/win32/Win32Input.h"
#include "resources/AppIds.h"

#include <shellapi.h>

const MessageHandler<MainWindow> MainWindow::kMessages[] = {
    {WM_TIMER, &MainWindow::onTimer},
    {TrayIcon::kCallbackMessage, &MainWindow::onTrayMessage},
    {kReadByKeyMessage, &MainWindow::onReadByKey},
    {kShowBusyMessage, &MainWindow::onShowBusy},
    {kSecondStartMessage, &MainWindow::onSecondStart},
    {WM_WINDOWPOSCHANGING, &MainWindow::onWindowPosChanging},
};

const CommandHandler<MainWindow> MainWindow::kCommands[] = {
    {IDM_VOCABULARIES, &MainWindow::onVocabularies},
    {IDM_SETTINGS, &MainWindow::onSettings},
    {IDM_ABOUT, &MainWindow::onAbout},
    {IDM_HELP, &MainWindow::onHelp},
    {IDM_EXIT, &MainWindow::onExit},
    {IDCANCEL, &MainWindow::onExit},
    {IDOK, &MainWindow::onEnter},
    {IDM_MENU, &MainWindow::onMenu},
    {IDM_HIDE, &MainWindow::onHide},
    {IDM_READ_ALL, &MainWindow::onReadAll},
};

const MessageMap<MainWindow> MainWindow::kMap{kMessages, kCommands, {}};

namespace {
constexpr UINT kTrackerPeriodMs = 250;

// Keyboard notifications of the notification area. A shell sends them only to
// icons that declared a later record version; for this icon's 88-byte record
// it imitates the mouse instead (Enter, Space, the menu key and Shift+F10 give
// button messages). Both forms are answered, so the icon works by keys either
// way.
constexpr UINT kSelect = WM_USER;        // NIN_SELECT
constexpr UINT kKeySelect = WM_USER + 1; // NIN_KEYSELECT

// A right-button message (the secondary button's) while that button is up
// came from a key.
bool SecondaryButtonUp() {
    return !IsButtonDown(ButtonRole::Secondary);
}

// The keyboard's forms ask for what the mouse's do: the menu, and the page
// that a double click opens.
TrayMouse trayMouse(LPARAM message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return TrayMouse::LeftDown;
    case WM_LBUTTONUP:
        return TrayMouse::LeftUp;
    case WM_LBUTTONDBLCLK:
        return TrayMouse::LeftDoubleClick;
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
        return TrayMouse::RightDown;
    case kSelect:
    case kKeySelect:
        return TrayMouse::LeftDoubleClick;
    default:
        return TrayMouse::Other;
    }
}
} // namespace

void MainWindow::run() {
    runModal(nullptr, IDD_MAIN);
}

BOOL MainWindow::onInit() {
    HICON icon = LoadIconA(app().instance(), MAKEINTRESOURCEA(IDI_APP));
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    MoveWindow(hwnd(), 0, 0, 0, 0, TRUE);
    app().mainWindow = this;
    app().mainWindowHandle = hwnd();

    // Unowned: the main window is hidden and never comes to the front.
    if (app().data().load() == LoadOutcome::Refused)
        MessageBoxA(nullptr, loadText(IDS_LOAD_FAILED).c_str(), loadText(IDS_APP_TITLE).c_str(),
                    MB_OK | MB_ICONSTOP);

    SetTimer(hwnd(), kTrackerTimer, kTrackerPeriodMs, nullptr);
    tray_ = std::make_unique<TrayIcon>(hwnd());
    tray_->set(NIM_ADD, "SMALL_MAIN");
    PostMessageA(hwnd(), WM_COMMAND, IDM_HIDE, 0);
    drag_ = std::make_unique<IconDrag>(hwnd(), kDragTimer, app().tracker(), &ReadDropped);
    PrepareReads();
    return TRUE;
}

void MainWindow::showBusy(bool) {
    PostMessageA(hwnd(), kShowBusyMessage, 0, 0);
}

// The state when the message arrives: a change and its reversal in between
// send nothing to the shell.
INT_PTR MainWindow::onShowBusy(WPARAM, LPARAM) {
    if (tray_)
        tray_->showBusy(app().busy());
    return TRUE;
}

void MainWindow::startIconDrag(HICON icon, int vocabularyIndex) {
    drag_->start(icon, vocabularyIndex);
}

void MainWindow::readByKey(int vocabularyIndex) {
    PostMessageA(hwnd(), kReadByKeyMessage, static_cast<WPARAM>(vocabularyIndex), 0);
}

INT_PTR MainWindow::onReadByKey(WPARAM vocabularyIndex, LPARAM) {
    int index = static_cast<int>(vocabularyIndex);
    if (index < 0)
        ReadAllVocabularies(SelectionClearing::CollapseByKey);
    else
        ReadVocabulary(index, SelectionClearing::CollapseByKey);
    return TRUE;
}

INT_PTR MainWindow::onTimer(WPARAM timer, LPARAM) {
    if (timer == kTrackerTimer)
        app().tracker().update();
    if (drag_ && drag_->active())
        drag_->step();
    return TRUE;
}

INT_PTR MainWindow::onTrayMessage(WPARAM, LPARAM mouseMessage) {
    // The document the user just left is remembered at once, not at the next
    // tick: a quick click from it to the icon and Ctrl+R must still find it.
    app().tracker().update();
    trayMenuByKey_ =
        mouseMessage == WM_CONTEXTMENU || (mouseMessage == WM_RBUTTONDOWN && SecondaryButtonUp());
    TrayAction action = clicks_.onMouse(trayMouse(mouseMessage), app().busy());
    perform(action);
    return action != TrayAction::Nothing;
}

INT_PTR MainWindow::onSecondStart(WPARAM, LPARAM) {
    perform(TrayClicks::onSecondStart(app().busy()));
    return TRUE;
}

// The hold's release arrives during the wait and is decided there.
void MainWindow::perform(TrayAction action) {
    switch (action) {
    case TrayAction::Nothing:
        break;
    case TrayAction::WaitForHold:
        PumpingWait(TrayClicks::kHoldMs);
        perform(clicks_.afterHold());
        break;
    case TrayAction::OpenVocabularies:
        onVocabularies();
        break;
    case TrayAction::StartDrag:
        startIconDrag(LoadIconA(app().instance(), "GENERIC_READING"), -1);
        break;
    case TrayAction::ShowMenu:
        showTrayMenu(trayMenuByKey_);
        break;
    case TrayAction::BringForward:
        bringForward();
        break;
    case TrayAction::ShowOpenWindow:
        showOpenWindow();
        break;
    }
}

void MainWindow::bringForward() {
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
}

// The busy program's last active window of its own: the tabbed window, the
// message box over it, or the keywords-found window; none while only a read
// runs (the hidden window has nothing to show).
void MainWindow::showOpenWindow() {
    HWND shown = GetLastActivePopup(hwnd());
    if (shown != hwnd())
        SetForegroundWindow(shown);
}

void MainWindow::showTrayMenu(bool byKey) {
    // The menu's owner must be able to take the keyboard: Wine gives a hidden
    // window the foreground but not the keys, so the zero-sized window is
    // shown (it has no frame, so nothing of it can be seen) while the menu
    // runs, and hidden again afterwards.
    hidden_ = false;
    ShowWindow(hwnd(), SW_SHOWNA);
    SetForegroundWindow(hwnd());
    POINT at{};
    GetCursorPos(&at);
    at.x -= 8;
    at.y -= 6;
    UINT align = TPM_LEFTALIGN;
    RECT taskbar{};
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (byKey && tray && GetWindowRect(tray, &taskbar)) {
        // The notification area sits at the taskbar's right end.
        at = {taskbar.right, taskbar.top};
        align = TPM_RIGHTALIGN | TPM_BOTTOMALIGN;
    }
    // The menu loop takes this Down key first: the first item is selected.
    if (byKey)
        PostMessageA(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    Menu menu(LoadMenuA(app().instance(), "TRAY"));
    if (menu)
        TrackPopupMenu(GetSubMenu(menu.get(), 0), align | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(),
                       nullptr);
    // The menu closes properly only when the owner gets a message afterwards.
    PostMessageA(hwnd(), WM_NULL, 0, 0);
    onHide();
}

void MainWindow::onVocabularies() {
    TabbedWindow::open(TabbedWindow::kVocabulariesPage);
}
void MainWindow::onSettings() {
    TabbedWindow::open(TabbedWindow::kSettingsPage);
}
void MainWindow::onAbout() {
    TabbedWindow::open(TabbedWindow::kAboutPage);
}
void MainWindow::onHelp() {
    OpenProgramFolderPage("zfhelp.htm");
}
void MainWindow::onMenu() {
    showTrayMenu(false);
}
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
void MainWindow::onReadAll() {
    ReadAllVocabularies();
}

// Enter has no default button to press on the hidden window, which keeps
// the keys after its menu: a key meant for another program ends nothing.
void MainWindow::onEnter() {}

void MainWindow::onExit() {
    KillTimer(hwnd(), kTrackerTimer);
    tray_->set(NIM_DELETE, "SMALL_MAIN");
    end(IDCANCEL);
}
