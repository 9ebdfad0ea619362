// ProgressDialog (see ProgressDialog.h).
#include "installer/win32/ProgressDialog.h"

#include "installer/InstallMessages.h"
#include "installer/InstallSequence.h"
#include "installer/win32/InstallerApp.h"
#include "installer/win32/ProgmanClient.h"
#include "resources/InstallIds.h"

#include <commctrl.h>

const CommandHandler<ProgressDialog> ProgressDialog::kCommands[1] = {
    {IDCANCEL, &ProgressDialog::onCancel},
};

// The whole installation runs here, before the window's first message loop
// turn, so every change is painted at once by hand.
BOOL ProgressDialog::onInit() {
    ShowWindow(hwnd(), SW_SHOW);
    copyingLabel_ = msg::kCopyingFileLabel;
    toLabel_ = msg::kToLabel;
    SendDlgItemMessageA(hwnd(), IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, 12));
    ProgmanClient progman;
    app_.sequence().install(app_.files(), *this, progman);
    writeStrings();
    repaint();
    end(IDOK);
    app_.endInstaller();
    return TRUE;
}

void ProgressDialog::showCopy(const std::string& source, const std::string& destination,
                              int position) {
    sourceLine_ = source;
    destinationLine_ = destination;
    writeStrings();
    SendDlgItemMessageA(hwnd(), IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    repaint();
}

void ProgressDialog::setWaitCursor(bool wait) {
    SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

void ProgressDialog::showStatus(const char* text) {
    copyingLabel_.clear();
    toLabel_.clear();
    destinationLine_.clear();
    sourceLine_ = text;
    ShowWindow(item(IDC_PROGRESS_BAR), SW_HIDE);
    writeStrings();
    repaint();
}

void ProgressDialog::reportError(const std::string& text) {
    ask(text.c_str(), MB_OK | MB_ICONHAND);
}

void ProgressDialog::writeStrings() {
    setItemText(IDC_PROGRESS_COPYING, copyingLabel_);
    setItemText(IDC_PROGRESS_SOURCE, sourceLine_);
    setItemText(IDC_PROGRESS_TO, toLabel_);
    setItemText(IDC_PROGRESS_DESTINATION, destinationLine_);
}
