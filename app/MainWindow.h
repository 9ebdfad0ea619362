// MainWindow: the hidden "kestrelwin" dialog that owns the tray icon, the
// timers and the icon drag, and answers the tray menu's commands.
#pragma once

#include "app/TrayIcon.h"
#include "app/logic/TrayClicks.h"
#include "reading/win32/IconDrag.h"
#include "toolkit/Dialog.h"

#include <memory>

class MainWindow : public DialogImpl<MainWindow> {
public:
    static constexpr UINT_PTR kTrackerTimer = 1;
    static constexpr UINT_PTR kDragTimer = 2;
    // Sent by a second start of the program with its installation's number
    // (a private message: only the program's hidden windows are asked).
    static constexpr UINT kSecondStartMessage = WM_APP + 1;
    static constexpr UINT kReadByKeyMessage = WM_APP + 2;
    // Posted to itself: the second start's request, answered from the loop.
    static constexpr UINT kWakeMessage = WM_APP + 3;
    static constexpr UINT kShowBusyMessage = WM_APP + 4;
    static constexpr char kCaption[] = "kestrelwin";

    // Runs the program: returns when "Exit" closed the window.
    void run();

    // Shows the busy or the idle tray icon, at the next message this window
    // takes: a read starting dispatches messages during its first wait, so
    // the shell's work on the icon costs it nothing there.
    void showBusy(bool busy);
    // The tray icon, which also gives the word after a read; none before
    // start-up has added it.
    TrayIcon* trayIcon() { return tray_.get(); }
    // Starts dragging `icon` (all vocabularies when index is -1).
    void startIconDrag(HICON icon, int vocabularyIndex);
    // A read asked for by a key (all vocabularies when index is -1). It runs
    // from this window's own loop, once the tabbed window that asked for it
    // has closed and the program is no longer busy with it.
    void readByKey(int vocabularyIndex);

    static const MessageMap<MainWindow> kMap;

private:
    static const MessageHandler<MainWindow> kMessages[];
    static const CommandHandler<MainWindow> kCommands[];

    BOOL onInit() override;
    bool dispatch(UINT message, WPARAM w, LPARAM l, INT_PTR& result) override;
    INT_PTR onTimer(WPARAM timer, LPARAM);
    INT_PTR onTrayMessage(WPARAM, LPARAM mouseMessage);
    INT_PTR onSecondStart(WPARAM installation, LPARAM);
    INT_PTR onWake(WPARAM, LPARAM);
    INT_PTR onEndSession(WPARAM ending, LPARAM);
    INT_PTR onReadByKey(WPARAM vocabularyIndex, LPARAM);
    INT_PTR onShowBusy(WPARAM, LPARAM);
    INT_PTR onWindowPosChanging(WPARAM, LPARAM position);
    void perform(TrayAction action);
    void bringForward();
    void showOpenWindow();
    // `byKey`: opened from the keyboard, so placed at the notification area
    // with its first item selected, rather than at the pointer.
    void showTrayMenu(bool byKey);

    void onVocabularies();
    void onSettings();
    void onAbout();
    void onHelp();
    void onExit();
    void onEnter();
    void onMenu();
    void onHide();
    void onReadAll();

    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<IconDrag> drag_;
    TrayClicks clicks_;
    bool hidden_ = false;
    bool trayMenuByKey_ = false;
};
