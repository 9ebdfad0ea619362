// BackgroundWindow (see BackgroundWindow.h).
#include "installer/win32/BackgroundWindow.h"

#include "installer/InstallMessages.h"
#include "installer/win32/Banner.h"
#include "installer/win32/Handles.h"
#include "installer/win32/InstallerApp.h"
#include "resources/InstallIds.h"

const CommandHandler<BackgroundWindow> BackgroundWindow::kCommands[2] = {
    {IDOK, &BackgroundWindow::onOk},
    {IDCANCEL, &BackgroundWindow::onCancel},
};

BOOL BackgroundWindow::onInit() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_INSTALL));
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ShowWindow(hwnd(), SW_SHOW);
    ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
    app_.openDestination(hwnd());
    return TRUE;
}

namespace {

const UINT kMaximizeAgain = WM_APP + 1;

} // namespace

bool BackgroundWindow::onMessage(UINT message, WPARAM w, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_ERASEBKGND:
        // The banner covers the whole client area; erasing first would flicker.
        result = TRUE;
        return true;
    case WM_PAINT:
        return paint();
    case WM_SIZE:
        keepMaximized(w);
        return false;
    case kMaximizeAgain:
        ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
        app_.activateDestination();
        return true;
    default:
        return false;
    }
}

bool BackgroundWindow::paint() {
    const PaintSession paint(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    paintBanner(paint.dc(), client);
    return true;
}

void BackgroundWindow::keepMaximized(WPARAM sizeType) {
    if (sizeType == SIZE_RESTORED)
        PostMessageA(hwnd(), kMaximizeAgain, 0, 0);
}

void BackgroundWindow::onOk() {
    app_.ending();
    end(IDOK);
}

void BackgroundWindow::onCancel() {
    if (app_.askToQuit(*this, msg::kQuitFromBackground))
        end(IDCANCEL);
}
