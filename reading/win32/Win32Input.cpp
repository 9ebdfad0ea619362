// keybd_event and mouse_event behind the reading code's InputSink.
#include "reading/win32/Win32Input.h"

#include "reading/win32/PumpingWait.h"

void SendKey(BYTE virtualKey, bool up) {
    auto scanCode = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scanCode, up ? KEYEVENTF_KEYUP : 0, 0);
}

namespace {
// The document pairs its clicks into double clicks by place and time; the
// capture's own click must know where and when the last one went (on the
// clock the capture reads).
SentClick lastLeftClick;
} // namespace

void SendMouseButton(MouseButton button, bool up) {
    DWORD flag = 0;
    switch (button) {
    case MouseButton::Left:
        flag = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
        if (!up) {
            POINT point{};
            GetCursorPos(&point);
            lastLeftClick = {true, {point.x, point.y}, PreciseTickCount()};
        }
        break;
    case MouseButton::Middle:
        flag = up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN;
        break;
    case MouseButton::Right:
        flag = up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
        break;
    }
    mouse_event(flag, 0, 0, 0, 0);
}

// Absolute coordinates reach the primary screen only (0 to 65535 across it);
// the middle of the pixel survives the system's rounding either way. Wine
// moves its pointer back to where the X server has it a few milliseconds
// after SetCursorPos, so a click at "the pointer" can land where the drop
// was, and pair with the drop's click into a double click.
void SendLeftClickAt(ScreenPoint at) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    if (at.x < 0 || at.y < 0 || at.x >= width || at.y >= height) {
        SetCursorPos(at.x, at.y);
        SendMouseButton(MouseButton::Left, false);
        SendMouseButton(MouseButton::Left, true);
        return;
    }
    auto scale = [](int pixel, int extent) {
        return static_cast<DWORD>((2 * pixel + 1) * 65536LL / (2 * extent));
    };
    DWORD x = scale(at.x, width);
    DWORD y = scale(at.y, height);
    const DWORD moved = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    mouse_event(moved | MOUSEEVENTF_LEFTDOWN, x, y, 0, 0);
    lastLeftClick = {true, at, PreciseTickCount()};
    mouse_event(moved | MOUSEEVENTF_LEFTUP, x, y, 0, 0);
}

SentClick LastLeftClickSent() {
    return lastLeftClick;
}

void Win32Input::wait(unsigned ms) {
    PumpingWait(ms);
}
