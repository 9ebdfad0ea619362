// RunningCopy: the named mutex and the message to the first copy.
#include "app/RunningCopy.h"

#include "app/MainWindow.h"

namespace {
constexpr char kMutexName[] = "Zembrafind zfw32 running";
// The first copy makes its main window right after the mutex; a second
// start in that moment waits for it a little.
constexpr int kWindowTries = 50;
constexpr DWORD kWindowTryMs = 100;
} // namespace

RunningCopy::RunningCopy() : mutex_(CreateMutexA(nullptr, FALSE, kMutexName)) {
    first_ = GetLastError() != ERROR_ALREADY_EXISTS;
}

// The second copy has no window and no message loop, so a plain Sleep is
// the wait here.
void RunningCopy::wakeFirst() const {
    for (int attempt = 0; attempt < kWindowTries; ++attempt) {
        if (HWND first = FindWindowA("#32770", MainWindow::kCaption)) {
            PostMessageA(first, MainWindow::kSecondStartMessage, 0, 0);
            return;
        }
        Sleep(kWindowTryMs);
    }
}
