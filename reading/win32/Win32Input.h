// Synthetic input through keybd_event and mouse_event, the state of the
// mouse buttons by their part, and the InputSink that the key player and
// the capture use on Windows.
#pragma once

#include "reading/InputSink.h"
#include "reading/MouseButtons.h"
#include "reading/ScreenPointer.h"

#include <windows.h>

// One keyboard event with the key's scan code on `layout` (never the
// extended flag).
void SendKey(BYTE virtualKey, bool up, HKL layout);
// One physical button event at the pointer's current position.
void SendMouseButton(MouseButton button, bool up);
// One event of the button that plays `role` for the user, at the pointer.
void SendButton(ButtonRole role, bool up);
// Whether the button that plays `role` for the user is held down now.
bool IsButtonDown(ButtonRole role);
// A primary click (press and release) at the pointer; where and when it was
// pressed, for a click that must not pair with it into a double click.
SentClick SendPrimaryClick();
// A primary click (press and release) whose events carry `at` themselves.
void SendPrimaryClickAt(ScreenPoint at);

// Keys and characters go to `typedInto` (a window of another program, or
// none for this program's own): characters are translated with the
// keyboard layout of the thread that owns it, which may differ from this
// program's (Windows keeps an input language per thread).
class Win32Input : public InputSink {
public:
    explicit Win32Input(HWND typedInto = nullptr) : typedInto_(typedInto) {}
    void typeInto(HWND window) { typedInto_ = window; }

    void keyDown(uint8_t virtualKey) override { SendKey(virtualKey, false, layout()); }
    void keyUp(uint8_t virtualKey) override { SendKey(virtualKey, true, layout()); }
    void mouseButton(MouseButton button, bool up) override { SendMouseButton(button, up); }
    void wait(unsigned ms) override;
    int16_t vkKeyScan(char c) override;

private:
    HKL layout() const;

    HWND typedInto_;
};
