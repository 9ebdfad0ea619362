// KeyCommands: Ctrl+key shortcuts of a window that runs inside a dialog
// loop, where no accelerator table can be used and the focused control would
// take the key. Each shortcut posts a command to its window.
#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/MessageHooks.h"

struct KeyCommand {
    UINT key;   // virtual key, pressed with Ctrl
    bool shift; // with Shift as well
    int command;
};

class KeyCommands : private MessageListener {
public:
    // Active while `window` is visible and the key goes to it or to one of
    // its controls; ends with the object.
    KeyCommands(HWND window, TableView<KeyCommand> keys);

private:
    // Posts the command of a shortcut; false for any other message.
    bool take(MSG& message) override;
    // The command for a key press, or 0.
    int commandFor(const MSG& message) const;

    HWND window_;
    TableView<KeyCommand> keys_;
    HookRegistration registration_;
};
