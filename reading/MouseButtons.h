// Mouse buttons by meaning: the primary button selects, clicks and drags;
// the secondary one opens menus. Which physical button plays which part is
// the user's setting (left-handed users swap them). The window system's
// button messages already follow that setting, but the state of a button
// (GetAsyncKeyState) and the button events a program sends (mouse_event)
// name physical buttons: they go through this one mapping.
#pragma once

#include "reading/InputSink.h"

#include <cstdint>

enum class ButtonRole { Primary, Secondary };

// The physical button that plays `role`; `swapped` is the user's setting
// (GetSystemMetrics(SM_SWAPBUTTON) non-zero).
MouseButton PhysicalButton(ButtonRole role, bool swapped);

// The virtual-key code that asks GetAsyncKeyState about a physical button.
uint8_t ButtonVirtualKey(MouseButton button);

// The mouse_event flag that presses (or releases) a physical button.
uint32_t ButtonEventFlag(MouseButton button, bool up);
