// keybd_event and mouse_event behind the reading code's InputSink.
#include "reading/win32/Win32Input.h"

#include "reading/win32/PumpingWait.h"

void SendKey(BYTE virtualKey, bool up) {
    auto scanCode = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scanCode, up ? KEYEVENTF_KEYUP : 0, 0);
}

namespace {
// The document pairs its clicks into double clicks by place and time; the
// capture's own click must know where and when the last one went.
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
            lastLeftClick = {true, {point.x, point.y}, GetTickCount()};
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

SentClick LastLeftClickSent() {
    return lastLeftClick;
}

void Win32Input::wait(unsigned ms) {
    PumpingWait(ms);
}
