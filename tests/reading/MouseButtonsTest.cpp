// The mapping of a button's part to the physical button, its state query
// and the events that press it, under both settings of the user's swap.
#include "reading/MouseButtons.h"

#include <gtest/gtest.h>

namespace {

struct ButtonCase {
    ButtonRole role;
    bool swapped;
    MouseButton physical;
    uint8_t virtualKey; // GetAsyncKeyState's code
    uint32_t down;      // mouse_event's flags
    uint32_t up;
};

// VK_LBUTTON 1, VK_RBUTTON 2; MOUSEEVENTF_LEFTDOWN 2, LEFTUP 4, RIGHTDOWN 8,
// RIGHTUP 16, as <windows.h> defines them.
const ButtonCase kCases[] = {
    {ButtonRole::Primary, false, MouseButton::Left, 1, 0x02, 0x04},
    {ButtonRole::Secondary, false, MouseButton::Right, 2, 0x08, 0x10},
    {ButtonRole::Primary, true, MouseButton::Right, 2, 0x08, 0x10},
    {ButtonRole::Secondary, true, MouseButton::Left, 1, 0x02, 0x04},
};

} // namespace

// A left-handed user's primary button is the physical right one: the drag
// must watch it, and the clearing click must press it (a physical left
// click would open the document's context menu).
TEST(MouseButtons, EachPartMapsToItsPhysicalButtonUnderBothSettings) {
    for (const ButtonCase& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << "role " << static_cast<int>(c.role) << " swapped " << c.swapped);
        MouseButton physical = PhysicalButton(c.role, c.swapped);
        EXPECT_EQ(physical, c.physical);
        EXPECT_EQ(ButtonVirtualKey(physical), c.virtualKey);
        EXPECT_EQ(ButtonEventFlag(physical, false), c.down);
        EXPECT_EQ(ButtonEventFlag(physical, true), c.up);
    }
}
