// KeySequenceSettingsDialog: the default and the window-specific key
// sequences of one kind ("Go to" Find or select-all text).
#pragma once

#include "toolkit/Dialog.h"
#include "ui/logic/SequencePairs.h"

#include <vector>

class KeySequenceSettingsDialog : public DialogImpl<KeySequenceSettingsDialog> {
public:
    KeySequenceSettingsDialog(DataStore& store, SequenceKind kind) : store_(store), kind_(kind) {}

    // On OK the kind's default and both of its lists are replaced in the
    // store; Cancel stores nothing.
    void run(HWND owner);

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

    DataStore& store_;
    SequenceKind kind_;
    // The rows as the list shows them, in the same order.
    std::vector<SequencePair> rows_;
};
