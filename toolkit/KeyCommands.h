// KeyCommands: Ctrl+key shortcuts of a window that runs inside a dialog
// loop, where no accelerator table can be used and the focused control would
// take the key. Each shortcut posts a command to its window.
#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/Handles.h"

struct KeyCommand {
    UINT key;   // virtual key, pressed with Ctrl
    bool shift; // with Shift as well
    int command;
};

class KeyCommands {
public:
    // Active while `window` is visible and the key goes to it or to one of
    // its controls; ends with the object.
    KeyCommands(HWND window, TableView<KeyCommand> keys);
    KeyCommands(const KeyCommands&) = delete;
    KeyCommands& operator=(const KeyCommands&) = delete;
    ~KeyCommands();

private:
    // The command for a key press, or 0.
    int commandFor(const MSG& message) const;
    static LRESULT CALLBACK filter(int code, WPARAM w, LPARAM l);

    HWND window_;
    TableView<KeyCommand> keys_;
    Hook hook_;
};
