// Synthetic input through keybd_event and mouse_event, and the InputSink
// that the key player and the capture use on Windows.
#pragma once

#include "reading/DocumentCapture.h"
#include "reading/InputSink.h"

#include <windows.h>

// One keyboard event with the key's scan code (never the extended flag).
void SendKey(BYTE virtualKey, bool up);
// One button event at the pointer's current position.
void SendMouseButton(MouseButton button, bool up);
// A left click (press and release) whose events carry `at` themselves.
void SendLeftClickAt(ScreenPoint at);
// The last left-button press these functions made.
SentClick LastLeftClickSent();

class Win32Input : public InputSink {
public:
    void keyDown(uint8_t virtualKey) override { SendKey(virtualKey, false); }
    void keyUp(uint8_t virtualKey) override { SendKey(virtualKey, true); }
    void mouseButton(MouseButton button, bool up) override { SendMouseButton(button, up); }
    void wait(unsigned ms) override;
    int16_t vkKeyScan(char c) override { return VkKeyScanA(c); }
};
