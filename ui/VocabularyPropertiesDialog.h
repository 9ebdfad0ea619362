// VocabularyPropertiesDialog ("Vocabulary properties"): a vocabulary's name
// and icon. Set the fields, run, and read them back after OK.
#pragma once

#include "toolkit/Dialog.h"
#include "ui/Icons.h"

#include <string>

class VocabularyPropertiesDialog : public DialogImpl<VocabularyPropertiesDialog> {
public:
    std::string name;
    std::string iconFile = "shell32.dll";
    int iconIndex = 0;

    // True when the user confirmed; the fields then hold the edited values.
    bool run(HWND owner);

    static const MessageMap<VocabularyPropertiesDialog> kMap;

private:
    static const CommandHandler<VocabularyPropertiesDialog> kCommands[];

    BOOL onInit() override;
    void onSelectIcon();
    void onOk();
    // Shows the chosen icon; a file without it leaves the picture as it is.
    void updatePreview();

    Picture picture_;
};
