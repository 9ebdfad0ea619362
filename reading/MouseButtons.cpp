// The one mapping from a button's part to the physical button.
#include "reading/MouseButtons.h"

namespace {
// The window system's numbers, written out so that this file needs no
// <windows.h>: VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, and MOUSEEVENTF_LEFTDOWN,
// RIGHTDOWN, MIDDLEDOWN (each release flag is its press flag doubled).
constexpr uint8_t kVkLeft = 0x01;
constexpr uint8_t kVkRight = 0x02;
constexpr uint8_t kVkMiddle = 0x04;
constexpr uint32_t kLeftDown = 0x0002;
constexpr uint32_t kRightDown = 0x0008;
constexpr uint32_t kMiddleDown = 0x0020;
} // namespace

MouseButton PhysicalButton(ButtonRole role, bool swapped) {
    const bool primary = role == ButtonRole::Primary;
    return primary != swapped ? MouseButton::Left : MouseButton::Right;
}

uint8_t ButtonVirtualKey(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return kVkLeft;
    case MouseButton::Right:
        return kVkRight;
    case MouseButton::Middle:
        break;
    }
    return kVkMiddle;
}

uint32_t ButtonEventFlag(MouseButton button, bool up) {
    uint32_t down = kMiddleDown;
    if (button == MouseButton::Left)
        down = kLeftDown;
    else if (button == MouseButton::Right)
        down = kRightDown;
    return up ? down << 1 : down;
}
