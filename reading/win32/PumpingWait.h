// PumpingWait: the program's only wait; it keeps dispatching messages.
#pragma once

#include <windows.h>

// Waits until the tick counter passes now + ms (unsigned arithmetic, so the
// 49.7-day wrap is harmless), dispatching every message of the thread
// meanwhile. It blocks in MsgWaitForMultipleObjects between messages instead
// of spinning, so a wait costs no processor time.
void PumpingWait(DWORD ms);
