// KeywordEntryDialog ("Keywords"): the text and match mode of one keyword
// entry. Set the fields, run, and read them back after OK.
#pragma once

#include "toolkit/Dialog.h"
#include "vocab/MatchMode.h"

#include <string>

class KeywordEntryDialog : public DialogImpl<KeywordEntryDialog> {
public:
    std::string text;
    int32_t match = AnyWord;

    // True when the user confirmed; the fields then hold the edited pair.
    bool run(HWND owner);

    static const MessageMap<KeywordEntryDialog> kMap;

private:
    static const CommandHandler<KeywordEntryDialog> kCommands[];

    BOOL onInit() override;
    void onOk();
};
