// The keyword entry dialog: a text field and the "Match:" box.
#include "ui/KeywordEntryDialog.h"

#include "resources/PageIds.h"

const CommandHandler<KeywordEntryDialog> KeywordEntryDialog::kCommands[] = {
    {IDOK, &KeywordEntryDialog::onOk},
};

const MessageMap<KeywordEntryDialog> KeywordEntryDialog::kMap{{}, kCommands, {}};

bool KeywordEntryDialog::run(HWND owner) {
    return runModal(owner, IDD_KEYWORD_ENTRY) == IDOK;
}

BOOL KeywordEntryDialog::onInit() {
    setItemText(IDC_ENTRY_TEXT, text);
    HWND box = item(IDC_ENTRY_MATCH);
    for (int mode = 0; mode < kMatchModeCount; ++mode)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(matchModeText(mode)));
    // A mode from outside the three (only a damaged file could hold one)
    // shows and searches as "Any word"; OK then stores it as such.
    int line = (match >= 0 && match < kMatchModeCount) ? match : AnyWord;
    SendMessageA(box, CB_SETCURSEL, line, 0);
    return TRUE;
}

void KeywordEntryDialog::onOk() {
    text = itemText(IDC_ENTRY_TEXT);
    auto line = SendMessageA(item(IDC_ENTRY_MATCH), CB_GETCURSEL, 0, 0);
    match = line == CB_ERR ? AnyWord : static_cast<int32_t>(line);
    end(IDOK);
}
