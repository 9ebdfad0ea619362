// InputSink: the synthetic input the reading code produces (keys, mouse
// buttons, waits) and the keyboard-layout lookup it needs. The Windows build
// sends real events; tests record them.
#pragma once

#include <cstdint>

// The physical buttons; MouseButtons.h says which one plays which part.
enum class MouseButton { Left, Middle, Right };

// Virtual-key codes the reading code uses by name.
constexpr uint8_t kVkShift = 16;
constexpr uint8_t kVkControl = 17;
constexpr uint8_t kVkAlt = 18;
constexpr uint8_t kVkInsert = 45;

class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void keyDown(uint8_t virtualKey) = 0;
    virtual void keyUp(uint8_t virtualKey) = 0;
    // One button event at the pointer's current position.
    virtual void mouseButton(MouseButton button, bool up) = 0;
    // A wait that keeps the program's messages flowing.
    virtual void wait(unsigned ms) = 0;
    // The key for a character on the keyboard layout of the window typed
    // into, as VkKeyScanExA reports it: the key in the low byte; Shift, Ctrl
    // and Alt in bits 0, 1 and 2 of the high byte; -1 when the layout cannot
    // type the character.
    virtual int16_t vkKeyScan(char c) = 0;
};
