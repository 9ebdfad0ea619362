// Ctrl+key shortcuts through the dialog loop's message filter.
#include "toolkit/KeyCommands.h"

namespace {

// The filter procedure gets no context; the tabbed window and its page are
// the most that are open at once.
KeyCommands* gActive[4] = {};

bool IsDown(int key) {
    return GetKeyState(key) < 0;
}

} // namespace

KeyCommands::KeyCommands(HWND window, TableView<KeyCommand> keys)
    : window_(window), keys_(keys),
      hook_(SetWindowsHookExA(WH_MSGFILTER, &KeyCommands::filter, nullptr, GetCurrentThreadId())) {
    for (KeyCommands*& slot : gActive)
        if (!slot) {
            slot = this;
            break;
        }
}

KeyCommands::~KeyCommands() {
    for (KeyCommands*& slot : gActive)
        if (slot == this)
            slot = nullptr;
}

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

LRESULT CALLBACK KeyCommands::filter(int code, WPARAM w, LPARAM l) {
    if (code == MSGF_DIALOGBOX) {
        const MSG& message = *reinterpret_cast<MSG*>(l);
        for (KeyCommands* keys : gActive)
            if (int command = keys ? keys->commandFor(message) : 0) {
                PostMessageA(keys->window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
                return TRUE;
            }
    }
    return CallNextHookEx(nullptr, code, w, l);
}
