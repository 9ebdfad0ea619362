// The hidden main window: start-up, the tray icon's mouse rules and menu.
#include "app/MainWindow.h"

#include "app/Application.h"
#include "app/Reads.h"
#include "app/RunningCopy.h"
#include "toolkit/Handles.h"
#include "toolkit/LoadText.h"

#include "app/TabbedWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/Win32Input.h"
#include "resources/AppIds.h"
#include "toolkit/PumpingWait.h"

#include <shellapi.h>

const MessageHandler<MainWindow> MainWindow::kMessages[] = {
    {WM_TIMER, &MainWindow::onTimer},
    {TrayIcon::kCallbackMessage, &MainWindow::onTrayMessage},
    {kReadByKeyMessage, &MainWindow::onReadByKey},
    {kShowBusyMessage, &MainWindow::onShowBusy},
    {kSecondStartMessage, &MainWindow::onSecondStart},
    {kWakeMessage, &MainWindow::onWake},
    {WM_ENDSESSION, &MainWindow::onEndSession},
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

    // The message box of a failed load dispatches messages: until start-up
    // has finished, a second start's request waits (TrayClicks).
    ReportDataLoad(app().data().load());

    SetTimer(hwnd(), kTrackerTimer, kTrackerPeriodMs, nullptr);
    tray_ = std::make_unique<TrayIcon>(hwnd());
    tray_->set(NIM_ADD, "SMALL_MAIN");
    PostMessageA(hwnd(), WM_COMMAND, IDM_HIDE, 0);
    drag_ = std::make_unique<IconDrag>(hwnd(), kDragTimer, app().tracker(), &ReadDropped);
    PrepareReads();
    if (clicks_.finishStartUp())
        PostMessageA(hwnd(), kWakeMessage, 0, 0);
    return TRUE;
}

// Until start-up has finished, its message boxes dispatch messages to a
// window that has no tray icon, timer or drag yet: commands and reads are
// dropped (a second start's request waits in TrayClicks).
bool MainWindow::dispatch(UINT message, WPARAM w, LPARAM l, INT_PTR& result) {
    if (!clicks_.startedUp() && (message == WM_COMMAND || message == kReadByKeyMessage)) {
        result = TRUE;
        return true;
    }
    return DialogImpl<MainWindow>::dispatch(message, w, l, result);
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

// Not before start-up has made the drag (see onInit).
void MainWindow::startIconDrag(HICON icon, int vocabularyIndex) {
    if (drag_)
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

// Answered at once, for the second start waits for the answer; what it asks
// for runs from this window's loop. A start of another installation is left
// unanswered.
INT_PTR MainWindow::onSecondStart(WPARAM installation, LPARAM) {
    if (installation != RunningCopy::installation())
        return FALSE;
    PostMessageA(hwnd(), kWakeMessage, 0, 0);
    SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, RunningCopy::kAnswer);
    return TRUE;
}

INT_PTR MainWindow::onWake(WPARAM, LPARAM) {
    perform(clicks_.onSecondStart(app().busy()));
    return TRUE;
}

// Windows is ending the session: what Exit does, and nothing more. The tray
// icon goes, and so does the quick-start page, which would otherwise greet
// the user at every start of Windows; nothing is saved, as at every exit.
INT_PTR MainWindow::onEndSession(WPARAM ending, LPARAM) {
    if (!ending)
        return FALSE;
    KillTimer(hwnd(), kTrackerTimer);
    if (tray_)
        tray_->set(NIM_DELETE, "SMALL_MAIN");
    DeleteFileA(kQuickStartPage);
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
    if (tray_)
        tray_->set(NIM_DELETE, "SMALL_MAIN");
    end(IDCANCEL);
}
