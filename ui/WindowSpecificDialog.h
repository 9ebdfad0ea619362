// WindowSpecificDialog: "Window Specific", one (window title, key sequence)
// pair.
#pragma once

#include "toolkit/Dialog.h"

#include <string>

class WindowSpecificDialog : public DialogImpl<WindowSpecificDialog> {
public:
    // In: the pair to show. Out, after OK: the pair as the user left it.
    std::string windowTitle;
    std::string keySequence;

    // IDOK or IDCANCEL.
    INT_PTR run(HWND owner);

    static const MessageMap<WindowSpecificDialog> kMap;

private:
    static const CommandHandler<WindowSpecificDialog> kCommands[];

    BOOL onInit() override;
    void onOk();
};
