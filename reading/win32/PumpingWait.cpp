// PumpingWait: dispatches messages until the deadline, without spinning.
#include "reading/win32/PumpingWait.h"

void PumpingWait(DWORD ms) {
    const DWORD start = GetTickCount();
    // The loop ends at the first tick reading past `end`. Elapsed time is
    // compared rather than absolute ticks so that a wrap cannot end it early.
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed > ms)
            return;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Leave the quit for the loop that owns it.
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        DWORD left = ms - elapsed + 1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT);
    }
}
