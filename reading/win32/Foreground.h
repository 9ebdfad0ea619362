// BringToFront: makes a window the foreground window before keys are played
// into it.
#pragma once

#include <windows.h>

// SetForegroundWindow, then waits (dispatching messages) until the window is
// in front and its program has taken the activation, for one second at the
// most, and 50 ms more. Under
// Wine a change of the active window arriving in the middle of a key
// sequence resets the keyboard state and releases the player's Ctrl, so that
// the "f" of "<ctrl>f" or the "a" of "<ctrl>a" lands in the user's document.
void BringToFront(HWND window);
