// PumpingWait: dispatches messages until the deadline, without spinning.
#include "toolkit/PumpingWait.h"

namespace {

// Counts of the performance counter in a millisecond; 0 without a counter.
LONGLONG CountsPerMs() {
    LARGE_INTEGER frequency{};
    if (!QueryPerformanceFrequency(&frequency))
        return 0;
    return frequency.QuadPart / 1000;
}

} // namespace

DWORD PreciseTickCount() {
    static const LONGLONG countsPerMs = CountsPerMs();
    LARGE_INTEGER count{};
    if (countsPerMs <= 0 || !QueryPerformanceCounter(&count))
        return GetTickCount();
    return static_cast<DWORD>(count.QuadPart / countsPerMs);
}

void PumpingWait(DWORD ms) {
    const DWORD start = PreciseTickCount();
    // The loop ends at the first reading past `end`. Elapsed time is
    // compared rather than absolute readings so that a wrap cannot end it
    // early.
    for (;;) {
        DWORD elapsed = PreciseTickCount() - start;
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
