// keybd_event and mouse_event behind the reading code's InputSink.
#include "reading/win32/Win32Input.h"

#include "reading/win32/PumpingWait.h"

void SendKey(BYTE virtualKey, bool up) {
    auto scanCode = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scanCode, up ? KEYEVENTF_KEYUP : 0, 0);
}

void SendMouseButton(MouseButton button, bool up) {
    DWORD flag = 0;
    switch (button) {
    case MouseButton::Left:
        flag = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
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

void Win32Input::wait(unsigned ms) {
    PumpingWait(ms);
}
