// PumpingWait: the program's only wait; it keeps dispatching messages.
#pragma once

#include <windows.h>

// Waits until `ms` milliseconds have passed on PreciseTickCount (unsigned
// arithmetic, so the wrap is harmless), dispatching every message of the
// thread meanwhile. It blocks in MsgWaitForMultipleObjects between messages
// instead of spinning, so a wait costs no processor time.
void PumpingWait(DWORD ms);

// Milliseconds since an arbitrary moment, in 32 bits that wrap like
// GetTickCount's, read from the performance counter. GetTickCount moves in
// steps of about 55 ms on Windows 95, 10 to 16 ms on Windows NT and 16 ms
// under Wine, so a wait timed by it lasted up to a step longer than asked:
// a 1 ms wait cost 16 to 32 ms under Wine. GetTickCount where the system
// has no performance counter.
DWORD PreciseTickCount();
