// RunningCopy: the named mutex and the request to the first copy.
#include "app/RunningCopy.h"

#include "app/MainWindow.h"
#include "app/logic/SingleCopy.h"
#include "resources/AppIds.h"
#include "toolkit/LoadText.h"
#include "toolkit/ProgramFolder.h"

#include <string>

namespace {
// The first copy makes its main window soon after the mutex (once it has
// asked the shell for the quick-start page); a second start in that moment
// waits for it a little.
constexpr int kWindowTries = 50;
constexpr DWORD kWindowTryMs = 100;
// A first copy that pumps messages answers at once, even under a message box.
constexpr UINT kAnswerMs = 5000;

// One spelling of the folder, whichever the start used: a shortcut may start
// the program by its short (8.3) path, the Start menu by a lower-case one.
std::string InstallationFolder() {
    std::string folder = programFolder();
    char shortPath[MAX_PATH + 1] = {};
    DWORD length = GetShortPathNameA(folder.c_str(), shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath ? std::string(shortPath, length) : folder;
}

bool GlobalNamespace() {
    const DWORD version = GetVersion();
    const bool nt = (version & 0x80000000u) == 0;
    return HasGlobalNamespace(nt, LOBYTE(LOWORD(version)));
}

// The first copy may take the foreground when it answers: the system gives it
// only to the program the user last started, which is this one. Windows 95
// and NT 4.0 have no such rule and no such function.
void AllowForeground(HWND window) {
    using Allow = BOOL(WINAPI*)(DWORD);
    auto allow = reinterpret_cast<Allow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "AllowSetForegroundWindow")));
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (allow && process)
        allow(process);
}

// Every hidden main window of this desktop is asked; only this
// installation's copy answers. A window that does not answer in time may be
// it, hung or stopped.
FirstCopyContact AskFirstCopy() {
    FirstCopyContact contact = FirstCopyContact::Unreachable;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", MainWindow::kCaption)) != nullptr) {
        AllowForeground(window);
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(window, MainWindow::kSecondStartMessage,
                                 RunningCopy::installation(), 0, SMTO_ABORTIFHUNG, kAnswerMs,
                                 &answer))
            contact = FirstCopyContact::NoAnswer;
        else if (answer == static_cast<DWORD_PTR>(RunningCopy::kAnswer))
            return FirstCopyContact::Answered;
    }
    return contact;
}

} // namespace

RunningCopy::RunningCopy() {
    const std::string name = SingleCopyMutexName(InstallationFolder(), GlobalNamespace());
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    mutex_.reset(mutex);
    first_ = IsFirstCopy(mutex != nullptr, error);
}

uint32_t RunningCopy::installation() {
    return InstallationKey(InstallationFolder());
}

// The second copy has no window and no message loop, so a plain Sleep is
// the wait here.
void RunningCopy::wakeFirst() const {
    FirstCopyContact contact = FirstCopyContact::Unreachable;
    for (int attempt = 0; attempt < kWindowTries; ++attempt) {
        contact = AskFirstCopy();
        if (contact != FirstCopyContact::Unreachable)
            break;
        Sleep(kWindowTryMs);
    }
    if (contact == FirstCopyContact::NoAnswer)
        MessageBoxA(nullptr, loadText(IDS_FIRST_COPY_SILENT).c_str(),
                    loadText(IDS_APP_TITLE).c_str(), MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
    else if (contact == FirstCopyContact::Unreachable)
        MessageBoxA(nullptr, loadText(IDS_FIRST_COPY_UNREACHABLE).c_str(),
                    loadText(IDS_APP_TITLE).c_str(), MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}
