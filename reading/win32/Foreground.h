// BringToFront: makes a window the foreground window before keys are played
// into it.
#pragma once

#include <windows.h>

// SetForegroundWindow, then waits (dispatching messages) until the window is
// in front and its program has taken the activation, for one second at the
// most, and `settleMs` more (a caller that waits anyway before its keys
// passes 0). Under Wine a change of the active window arriving in the middle
// of a key sequence resets the keyboard state and releases the player's
// Ctrl, so that the "f" of "<ctrl>f" or the "a" of "<ctrl>a" lands in the
// user's document.
constexpr DWORD kFrontSettleMs = 50;
void BringToFront(HWND window, DWORD settleMs = kFrontSettleMs);
