// Bringing a window to the front and waiting until it is there.
#include "reading/win32/Foreground.h"

#include "toolkit/Handles.h"
#include "toolkit/PumpingWait.h"

namespace {

constexpr DWORD kMostMs = 1000;
// The switch arrives asynchronously under Wine; a short poll notices it
// (and the idle state) within a few milliseconds.
constexpr DWORD kPollMs = 1;

// Waits until the window's process has worked through its pending input,
// its activation among it.
void AwaitInputIdle(HWND window, DWORD start) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process)
        return;
    while (WaitForInputIdle(process.get(), 0) == WAIT_TIMEOUT && GetTickCount() - start < kMostMs)
        PumpingWait(kPollMs);
}

} // namespace

void BringToFront(HWND window, DWORD settleMs) {
    SetForegroundWindow(window);
    DWORD start = GetTickCount();
    while (GetForegroundWindow() != window && GetTickCount() - start < kMostMs)
        PumpingWait(kPollMs);
    AwaitInputIdle(window, start);
    if (settleMs != 0)
        PumpingWait(settleMs);
}
