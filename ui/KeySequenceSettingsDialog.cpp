// The key-sequence settings dialog: title and prompt per kind, the default
// sequence, and the list of window-specific pairs.
#include "ui/KeySequenceSettingsDialog.h"

#include "resources/SettingsIds.h"
#include "toolkit/LoadText.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/KeyNameWarning.h"
#include "ui/WindowSpecificDialog.h"

const CommandHandler<KeySequenceSettingsDialog> KeySequenceSettingsDialog::kCommands[] = {
    {IDC_KEYSEQ_ADD, &KeySequenceSettingsDialog::onAdd},
    {IDC_KEYSEQ_EDIT, &KeySequenceSettingsDialog::onEdit},
    {IDC_KEYSEQ_DELETE, &KeySequenceSettingsDialog::onDelete},
    {IDOK, &KeySequenceSettingsDialog::onOk},
};

const NotifyHandler<KeySequenceSettingsDialog> KeySequenceSettingsDialog::kNotifications[] = {
    {IDC_KEYSEQ_LIST, NM_DBLCLK, &KeySequenceSettingsDialog::onDoubleClick},
};

const MessageMap<KeySequenceSettingsDialog> KeySequenceSettingsDialog::kMap{
    {}, kCommands, kNotifications};

INT_PTR KeySequenceSettingsDialog::run(HWND owner) {
    return runModal(owner, IDD_KEY_SEQUENCES);
}

HWND KeySequenceSettingsDialog::list() const {
    return item(IDC_KEYSEQ_LIST);
}

BOOL KeySequenceSettingsDialog::onInit() {
    addColumns();
    fillRows();
    setItemText(IDC_KEYSEQ_DEFAULT, defaultSequence);
    setTexts();
    return TRUE;
}

void KeySequenceSettingsDialog::setTexts() {
    bool goTo = kind == SequenceKind::GoTo;
    SetWindowTextA(hwnd(), loadText(goTo ? IDS_GOTO_TITLE : IDS_SELECT_TITLE).c_str());
    setItemText(IDC_KEYSEQ_PROMPT, loadText(goTo ? IDS_GOTO_PROMPT : IDS_SELECT_PROMPT));
}

// Columns share the list's window width: half each, the second 4 pixels
// narrower so that no horizontal scroll bar appears.
void KeySequenceSettingsDialog::addColumns() {
    RECT frame{};
    GetWindowRect(list(), &frame);
    int width = frame.right - frame.left;
    std::string headers[] = {loadText(IDS_COLUMN_WINDOW), loadText(IDS_COLUMN_SEQUENCE)};
    int widths[] = {width / 2, width / 2 - 4};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = headers[i].data();
        column.cx = widths[i];
        ListView_InsertColumn(list(), i, &column);
    }
    ListView_SetExtendedListViewStyleEx(list(), LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

// Drawing off while the rows go in: the list lays out and paints once.
void KeySequenceSettingsDialog::fillRows() {
    RedrawFreeze frozen(list());
    ListView_SetItemCount(list(), static_cast<int>(pairs.size()));
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i)
        insertRow(i);
}

void KeySequenceSettingsDialog::insertRow(int index) {
    LVITEMA row{};
    row.mask = LVIF_TEXT;
    row.iItem = index;
    row.pszText = pairs[index].windowTitle.data();
    ListView_InsertItem(list(), &row);
    showRow(index);
}

void KeySequenceSettingsDialog::showRow(int index) {
    ListView_SetItemText(list(), index, 0, pairs[index].windowTitle.data());
    ListView_SetItemText(list(), index, 1, pairs[index].keySequence.data());
}

// The row that is both selected and focused, or -1.
int KeySequenceSettingsDialog::selectedRow() const {
    return ListView_GetNextItem(list(), -1, LVNI_SELECTED | LVNI_FOCUSED);
}

void KeySequenceSettingsDialog::onAdd() {
    WindowSpecificDialog pair;
    if (pair.run(hwnd()) != IDOK)
        return;
    pairs.push_back({pair.windowTitle, pair.keySequence});
    insertRow(static_cast<int>(pairs.size()) - 1);
}

void KeySequenceSettingsDialog::onEdit() {
    int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(pairs.size()))
        return;
    WindowSpecificDialog pair;
    pair.windowTitle = pairs[index].windowTitle;
    pair.keySequence = pairs[index].keySequence;
    if (pair.run(hwnd()) != IDOK)
        return;
    pairs[index] = {pair.windowTitle, pair.keySequence};
    showRow(index);
}

void KeySequenceSettingsDialog::onDelete() {
    int index = selectedRow();
    if (index < 0 || index >= static_cast<int>(pairs.size()))
        return;
    pairs.erase(pairs.begin() + index);
    ListView_DeleteItem(list(), index);
}

LRESULT KeySequenceSettingsDialog::onDoubleClick(NMHDR*) {
    onEdit();
    return 0;
}

// The window-specific rows were asked about when they were entered.
void KeySequenceSettingsDialog::onOk() {
    const std::string sequence = itemText(IDC_KEYSEQ_DEFAULT);
    if (!KeepKeySequence(hwnd(), sequence)) {
        SetFocus(GetDlgItem(hwnd(), IDC_KEYSEQ_DEFAULT));
        return;
    }
    defaultSequence = sequence;
    end(IDOK);
}
