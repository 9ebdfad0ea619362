// Ctrl+key shortcuts through the dialog loop's message hook.
#include "toolkit/KeyCommands.h"

namespace {

bool IsDown(int key) {
    return GetKeyState(key) < 0;
}

} // namespace

KeyCommands::KeyCommands(HWND window, TableView<KeyCommand> keys)
    : window_(window), keys_(keys), registration_(HookPoint::DialogLoop, *this) {}

// Ctrl+Alt is AltGr, which types characters on many layouts: not a shortcut.
int KeyCommands::commandFor(const MSG& message) const {
    if (message.message != WM_KEYDOWN || !IsDown(VK_CONTROL) || IsDown(VK_MENU) ||
        !IsWindowVisible(window_) || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return 0;
    bool shift = IsDown(VK_SHIFT);
    for (const KeyCommand& key : keys_)
        if (key.key == message.wParam && key.shift == shift)
            return key.command;
    return 0;
}

bool KeyCommands::take(MSG& message) {
    int command = commandFor(message);
    if (command)
        PostMessageA(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return command != 0;
}
