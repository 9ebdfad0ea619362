// Bringing a window to the front and waiting until it is there.
#include "reading/win32/Foreground.h"

#include "toolkit/Handles.h"
#include "reading/win32/PumpingWait.h"

namespace {

constexpr DWORD kMostMs = 1000;
constexpr DWORD kSettleMs = 50;

// Waits until the window's process has worked through its pending input,
// its activation among it.
void AwaitInputIdle(HWND window, DWORD start) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process)
        return;
    while (WaitForInputIdle(process.get(), 0) == WAIT_TIMEOUT && GetTickCount() - start < kMostMs)
        PumpingWait(10);
}

} // namespace

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    DWORD start = GetTickCount();
    while (GetForegroundWindow() != window && GetTickCount() - start < kMostMs)
        PumpingWait(10);
    AwaitInputIdle(window, start);
    PumpingWait(kSettleMs);
}
