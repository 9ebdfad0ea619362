// keybd_event and mouse_event behind the reading code's InputSink.
#include "reading/win32/Win32Input.h"

#include "toolkit/PumpingWait.h"

void SendKey(BYTE virtualKey, bool up, HKL layout) {
    auto scanCode = static_cast<BYTE>(MapVirtualKeyExA(virtualKey, 0, layout));
    keybd_event(virtualKey, scanCode, up ? KEYEVENTF_KEYUP : 0, 0);
}

namespace {
// Read at every use: the user may change the setting while the program runs.
MouseButton Physical(ButtonRole role) {
    return PhysicalButton(role, GetSystemMetrics(SM_SWAPBUTTON) != 0);
}
} // namespace

void SendMouseButton(MouseButton button, bool up) {
    mouse_event(ButtonEventFlag(button, up), 0, 0, 0, 0);
}

void SendButton(ButtonRole role, bool up) {
    SendMouseButton(Physical(role), up);
}

// The document pairs its clicks into double clicks by place and time; the
// time is on the clock the capture reads.
SentClick SendPrimaryClick() {
    POINT point{};
    GetCursorPos(&point);
    const SentClick click{true, {point.x, point.y}, PreciseTickCount()};
    SendButton(ButtonRole::Primary, false);
    SendButton(ButtonRole::Primary, true);
    return click;
}

// GetAsyncKeyState reports the physical buttons, whatever the setting.
bool IsButtonDown(ButtonRole role) {
    return (GetAsyncKeyState(ButtonVirtualKey(Physical(role))) & 0x8000) != 0;
}

// Absolute coordinates reach the primary screen only (0 to 65535 across it);
// the middle of the pixel survives the system's rounding either way. Wine
// moves its pointer back to where the X server has it a few milliseconds
// after SetCursorPos, so a click at "the pointer" can land where the drop
// was, and pair with the drop's click into a double click.
void SendPrimaryClickAt(ScreenPoint at) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    if (at.x < 0 || at.y < 0 || at.x >= width || at.y >= height) {
        SetCursorPos(at.x, at.y);
        SendButton(ButtonRole::Primary, false);
        SendButton(ButtonRole::Primary, true);
        return;
    }
    auto scale = [](int pixel, int extent) {
        return static_cast<DWORD>((2 * pixel + 1) * 65536LL / (2 * extent));
    };
    DWORD x = scale(at.x, width);
    DWORD y = scale(at.y, height);
    const DWORD moved = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const MouseButton primary = Physical(ButtonRole::Primary);
    mouse_event(moved | ButtonEventFlag(primary, false), x, y, 0, 0);
    mouse_event(moved | ButtonEventFlag(primary, true), x, y, 0, 0);
}

void Win32Input::wait(unsigned ms) {
    PumpingWait(ms);
}

// No window (or one already gone) gives thread 0: this program's own layout.
HKL Win32Input::layout() const {
    return GetKeyboardLayout(typedInto_ ? GetWindowThreadProcessId(typedInto_, nullptr) : 0);
}

int16_t Win32Input::vkKeyScan(char c) {
    return VkKeyScanExA(c, layout());
}
