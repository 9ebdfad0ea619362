// Bringing a window to the front and waiting until it is there.
#include "reading/win32/Foreground.h"

#include "reading/win32/PumpingWait.h"

void BringToFront(HWND window) {
    constexpr DWORD kMostMs = 1000;
    constexpr DWORD kSettleMs = 50;
    SetForegroundWindow(window);
    DWORD start = GetTickCount();
    while (GetForegroundWindow() != window && GetTickCount() - start < kMostMs)
        PumpingWait(10);
    PumpingWait(kSettleMs);
}
