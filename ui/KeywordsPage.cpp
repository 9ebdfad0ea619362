// The Keywords page: the vocabulary box, its picture, the entry list and the
// buttons that edit, reorder, copy and paste entries.
#include "ui/KeywordsPage.h"

#include "resources/PageIds.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/KeywordEntryDialog.h"
#include "ui/Messages.h"
#include "ui/PageRequests.h"
#include "vocab/DataStore.h"
#include "vocab/KeywordClipboard.h"

const CommandHandler<KeywordsPage> KeywordsPage::kCommands[] = {
    {IDC_KEYWORDS_VOCABULARY, &KeywordsPage::onVocabularyChosen, CBN_SELCHANGE},
    {IDC_KEYWORDS_ADD, &KeywordsPage::onAdd},
    {IDC_KEYWORDS_EDIT, &KeywordsPage::onEdit},
    {IDC_KEYWORDS_DELETE, &KeywordsPage::onDelete},
    {IDC_KEYWORDS_UP, &KeywordsPage::onUp},
    {IDC_KEYWORDS_DOWN, &KeywordsPage::onDown},
    {IDC_KEYWORDS_COPY, &KeywordsPage::onCopy},
    {IDC_KEYWORDS_PASTE, &KeywordsPage::onPaste},
    {IDOK, &KeywordsPage::onOk},
    {IDCANCEL, &KeywordsPage::onCancel},
};

const NotifyHandler<KeywordsPage> KeywordsPage::kNotifications[] = {
    {IDC_KEYWORDS_LIST, NM_DBLCLK, &KeywordsPage::onDoubleClick},
};

const MessageMap<KeywordsPage> KeywordsPage::kMap{{}, kCommands, kNotifications};

KeywordsPage::~KeywordsPage() {
    // The clipboard outlives the page; it must not keep pointing at it.
    if (clipboard_ && clipboard_->target == &rows_)
        clipboard_->target = nullptr;
}

HWND KeywordsPage::create(HWND tabbedWindow, DataStore& store, KeywordClipboard& clipboard) {
    store_ = &store;
    clipboard_ = &clipboard;
    return createModeless(tabbedWindow, IDD_KEYWORDS_PAGE);
}

HWND KeywordsPage::vocabularyBox() const {
    return item(IDC_KEYWORDS_VOCABULARY);
}

BOOL KeywordsPage::onInit() {
    rows_.attach(item(IDC_KEYWORDS_LIST));
    picture_.attach(item(IDC_KEYWORDS_PICTURE));
    rows_.setUp();
    return TRUE;
}

void KeywordsPage::fill(int index) {
    RedrawFreeze frozenBox(vocabularyBox());
    RedrawFreeze frozenRows(rows_.hwnd());
    SendMessageA(vocabularyBox(), CB_RESETCONTENT, 0, 0);
    rows_.clear();
    DataStore* store = store_;
    const VocabularyTable* table = store ? &store->vocabularies : nullptr;
    if (!table || table->count() == 0) {
        // Nothing to paste into: rows without a vocabulary would be lost.
        picture_.show(Icon());
        enableItem(IDC_KEYWORDS_PASTE, false);
        return;
    }
    if (index < 0 || index >= table->count())
        index = 0;
    fillVocabularyBox(*table, index);
    const Vocabulary& vocabulary = *table->at(index);
    showIcon(vocabulary);
    rows_.reserveRows(vocabulary.keywords.count());
    appendVocabularyRows(vocabulary, rows_);
    if (rows_.rowCount() > 0)
        rows_.selectAndFocus(0);
    updatePasteButton();
}

void KeywordsPage::fillVocabularyBox(const VocabularyTable& table, int chosen) {
    HWND box = vocabularyBox();
    SendMessageA(box, CB_INITSTORAGE, table.count(), table.count() * 32);
    for (int line = 0; line < table.count(); ++line)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(table.at(line)->name.c_str()));
    SendMessageA(box, CB_SETCURSEL, chosen, 0);
}

void KeywordsPage::showIcon(const Vocabulary& vocabulary) {
    picture_.show(vocabularyIcon(vocabulary));
}

void KeywordsPage::updatePasteButton() {
    clipboard_->target = &rows_;
    enableItem(IDC_KEYWORDS_PASTE, clipboard_->canPaste());
}

Vocabulary* KeywordsPage::chosenVocabulary() const {
    auto line = SendMessageA(vocabularyBox(), CB_GETCURSEL, 0, 0);
    DataStore* store = store_;
    if (line == CB_ERR || !store)
        return nullptr;
    return store->vocabularies.at(static_cast<int>(line));
}

bool KeywordsPage::editRows(const std::function<bool(EditableKeywordRows&)>& edit) {
    Vocabulary* vocabulary = chosenVocabulary();
    RedrawFreeze frozen(rows_.hwnd());
    if (!vocabulary)
        return edit(rows_);
    // Taken before the list changes, selection included: the same edit then
    // gives the same rows, and no row is read back from the window.
    KeywordEntryRows entries(*vocabulary, selectedRows(rows_));
    if (!edit(rows_))
        return false;
    edit(entries);
    entries.writeTo(*vocabulary);
    return true;
}

void KeywordsPage::appendRows(const std::vector<KeywordRow>& added) {
    editRows([&added](EditableKeywordRows& rows) {
        ::appendRows(rows, added);
        return !added.empty();
    });
}

void KeywordsPage::onVocabularyChosen() {
    auto line = SendMessageA(vocabularyBox(), CB_GETCURSEL, 0, 0);
    if (line != CB_ERR)
        fill(static_cast<int>(line));
}

void KeywordsPage::onAdd() {
    if (!chosenVocabulary()) {
        showMessage(hwnd(), IDS_NO_VOCABULARY, MB_ICONSTOP);
        return;
    }
    KeywordEntryDialog dialog;
    if (!dialog.run(hwnd()))
        return;
    appendRows({{dialog.text, dialog.match}});
}

void KeywordsPage::onEdit() {
    int row = firstSelectedRow(rows_);
    if (row < 0)
        return;
    KeywordEntryDialog dialog;
    dialog.text = rows_.rowText(row);
    dialog.match = rows_.rowMode(row);
    if (!dialog.run(hwnd()))
        return;
    editRows([&dialog, row](EditableKeywordRows& rows) {
        rows.setRow(row, dialog.text, dialog.match);
        return true;
    });
}

LRESULT KeywordsPage::onDoubleClick(NMHDR*) {
    onEdit();
    return 0;
}

void KeywordsPage::onDelete() {
    editRows([](EditableKeywordRows& rows) { return deleteSelectedRows(rows) > 0; });
}

// Drawing stays frozen for the whole block move: no flicker, one redraw.
void KeywordsPage::onUp() {
    editRows(moveSelectedRowsUp);
}

void KeywordsPage::onDown() {
    editRows(moveSelectedRowsDown);
}

void KeywordsPage::onCopy() {
    KeywordClipboard& clipboard = *clipboard_;
    clipboard.target = &rows_;
    if (clipboard.copy())
        enableItem(IDC_KEYWORDS_PASTE, true);
}

void KeywordsPage::onPaste() {
    KeywordClipboard& clipboard = *clipboard_;
    clipboard.target = &rows_;
    if (!chosenVocabulary())
        return;
    bool pasted = editRows([&clipboard](EditableKeywordRows& rows) {
        clipboard.target = &rows;
        return clipboard.paste();
    });
    clipboard.target = &rows_;
    if (pasted)
        rows_.ensureVisible(rows_.rowCount() - 1);
}

void KeywordsPage::onOk() {
    askTabbedWindow(hwnd(), IDOK);
}

void KeywordsPage::onCancel() {
    askTabbedWindow(hwnd(), IDCANCEL);
}
