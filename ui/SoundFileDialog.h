// SoundFileDialog: "Sound File", one sound file's path with "..." and "Play".
#pragma once

#include "toolkit/Dialog.h"

#include <string>

class SoundFileDialog : public DialogImpl<SoundFileDialog> {
public:
    // In: the path to show. Out, after OK: the path as the user left it.
    std::string path;

    // IDOK or IDCANCEL.
    INT_PTR run(HWND owner);

    static const MessageMap<SoundFileDialog> kMap;

private:
    static const CommandHandler<SoundFileDialog> kCommands[];

    BOOL onInit() override;
    void onBrowse();
    void onPlay();
    void onOk();
};
