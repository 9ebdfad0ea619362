// KeySequenceSettingsDialog: the default and the window-specific key
// sequences of one kind ("Go to" Find or select-all text).
#pragma once

#include "toolkit/Dialog.h"
#include "ui/logic/SequencePairs.h"

#include <string>
#include <vector>

class KeySequenceSettingsDialog : public DialogImpl<KeySequenceSettingsDialog> {
public:
    // In: the kind, its default sequence and its window-specific pairs in
    // list order. Out, after OK: the default and the pairs as the user left
    // them; the caller changes the store.
    SequenceKind kind = SequenceKind::GoTo;
    std::string defaultSequence;
    std::vector<SequencePair> pairs;

    // IDOK or IDCANCEL.
    INT_PTR run(HWND owner);

    static const MessageMap<KeySequenceSettingsDialog> kMap;

private:
    static const CommandHandler<KeySequenceSettingsDialog> kCommands[];
    static const NotifyHandler<KeySequenceSettingsDialog> kNotifications[];

    BOOL onInit() override;
    void onAdd();
    void onEdit();
    void onDelete();
    void onOk();
    LRESULT onDoubleClick(NMHDR*);

    void setTexts();
    void addColumns();
    void fillRows();
    void insertRow(int index);
    void showRow(int index);
    int selectedRow() const;
    HWND list() const;
};
