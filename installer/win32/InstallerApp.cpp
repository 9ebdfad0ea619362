// The installer's application object and its entry point (see InstallerApp.h).
#include "installer/win32/InstallerApp.h"

#include "installer/InstallMessages.h"
#include "installer/PathRules.h"
#include "installer/win32/BackgroundWindow.h"
#include "installer/win32/ConfirmationDialog.h"
#include "installer/win32/DestinationDialog.h"
#include "installer/win32/ModelessKeys.h"
#include "installer/win32/ProgressDialog.h"
#include "resources/InstallIds.h"

#include <commctrl.h>

namespace {

// The installer's own path is read into this many bytes.
constexpr DWORD kOwnPathSize = 128;

} // namespace

InstallerApp::InstallerApp() = default;
InstallerApp::~InstallerApp() = default;

int InstallerApp::run() {
    InitCommonControls();
    if (!readSourceFolder()) {
        MessageBoxA(nullptr, msg::kInstallerPathTooLong, msg::kCaption, MB_OK | MB_ICONHAND);
        return 1;
    }
    const ModelessKeys keys;
    BackgroundWindow background(*this);
    background.runModal(nullptr, IDD_BACKGROUND);
    sequence_.end();
    progress_.reset();
    destination_.reset();
    return 0;
}

// A path that fills the whole buffer may have been cut short, and a cut path
// names some other folder; such a path is refused rather than used.
bool InstallerApp::readSourceFolder() {
    char path[kOwnPathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, kOwnPathSize);
    if (length == 0 || length >= kOwnPathSize - 1)
        return false;
    state_.sourceFolder = stripTrailingBackslash(folderOf(path));
    return true;
}

void InstallerApp::openDestination(HWND background) {
    background_ = background;
    destination_ = std::make_unique<DestinationDialog>(*this);
    ModelessKeys::add(destination_->createModeless(background, IDD_DESTINATION));
}

void InstallerApp::openProgress() {
    progress_ = std::make_unique<ProgressDialog>(*this);
    ModelessKeys::add(progress_->createModeless(background_, IDD_PROGRESS));
}

void InstallerApp::activateDestination() const {
    if (destination_ && IsWindowVisible(destination_->hwnd()))
        SetActiveWindow(destination_->hwnd());
}

void InstallerApp::endInstaller() const {
    PostMessageA(background_, WM_COMMAND, IDOK, 0);
}

void InstallerApp::ending() {
    sequence_.end();
    if (confirmation_)
        confirmation_->end(IDCANCEL);
}

bool InstallerApp::askToQuit(const InstallerDialog& asker, const char* question) {
    if (!sequence_.beginQuitQuestion())
        return false;
    const bool quit = asker.ask(question, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
    sequence_.endQuitQuestion(quit);
    if (quit)
        ending();
    return quit;
}

bool InstallerApp::confirm(HWND destination) {
    if (!sequence_.beginConfirmation())
        return false;
    ConfirmationDialog confirmation(sequence_, files_);
    confirmation_ = &confirmation;
    const INT_PTR result = confirmation.runModal(destination, IDD_CONFIRMATION);
    confirmation_ = nullptr;
    return sequence_.endConfirmation(result == IDOK);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InstallerApp app;
    return app.run();
}
