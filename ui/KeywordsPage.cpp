// The Keywords page: the vocabulary box, its picture, the entry list and the
// buttons that edit, reorder, copy and paste entries.
#include "ui/KeywordsPage.h"

#include "resources/PageIds.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/EntryListInput.h"
#include "ui/KeywordEntryDialog.h"
#include "ui/KeywordExchange.h"
#include "ui/Messages.h"
#include "ui/PageRequests.h"
#include "ui/logic/KeywordImport.h"
#include "vocab/DataStore.h"
#include "vocab/KeywordClipboard.h"
#include "vocab/win32/Win32CodePages.h"

const MessageHandler<KeywordsPage> KeywordsPage::kMessages[] = {
    {WM_DROPFILES, &KeywordsPage::onDropFiles},
    {WM_DRAWCLIPBOARD, &KeywordsPage::onClipboardChanged},
    {WM_CHANGECBCHAIN, &KeywordsPage::onClipboardChainChanged},
    {WM_DESTROY, &KeywordsPage::onDestroy},
};

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
    {IDC_KEYWORDS_LIST, NM_RETURN, &KeywordsPage::onDoubleClick},
    {IDC_KEYWORDS_LIST, LVN_KEYDOWN, &KeywordsPage::onListKey},
    {IDC_KEYWORDS_LIST, LVN_DELETEALLITEMS, &KeywordsPage::onDeleteAll},
};

const MessageMap<KeywordsPage> KeywordsPage::kMap{kMessages, kCommands, kNotifications};

KeywordsPage::~KeywordsPage() {
    // The clipboard outlives the page; it must not keep pointing at it.
    if (clipboard_.target == &rows_)
        clipboard_.target = nullptr;
}

HWND KeywordsPage::create(HWND tabbedWindow) {
    return createModeless(tabbedWindow, IDD_KEYWORDS_PAGE);
}

HWND KeywordsPage::vocabularyBox() const {
    return item(IDC_KEYWORDS_VOCABULARY);
}

BOOL KeywordsPage::onInit() {
    rows_.attach(item(IDC_KEYWORDS_LIST));
    picture_.attach(item(IDC_KEYWORDS_PICTURE));
    rows_.setUp();
    takeEntryListInput(rows_.hwnd());
    clipboardViewer_.join(hwnd());
    return TRUE;
}

void KeywordsPage::fill(int index) {
    RedrawFreeze frozenBox(vocabularyBox());
    RedrawFreeze frozenRows(rows_.hwnd());
    SendMessageA(vocabularyBox(), CB_RESETCONTENT, 0, 0);
    rows_.clear();
    const VocabularyTable& table = store_.vocabularies;
    if (table.count() == 0) {
        // Nothing to paste into: rows without a vocabulary would be lost.
        picture_.show(Icon());
        pictureSource_ = {};
        enableItem(IDC_KEYWORDS_PASTE, false);
        return;
    }
    if (index < 0 || index >= table.count())
        index = 0;
    fillVocabularyBox(table, index);
    const Vocabulary& vocabulary = *table.at(index);
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

// An icon is extracted by opening and mapping its file; the picture of the
// same file and index as before is kept (the page is filled again on every
// visit of its tab).
void KeywordsPage::showIcon(const Vocabulary& vocabulary) {
    IconSource source{true, vocabulary.iconFile.str(), vocabulary.iconIndex};
    if (source == pictureSource_)
        return;
    picture_.show(vocabularyIcon(vocabulary));
    pictureSource_ = source;
}

void KeywordsPage::updatePasteButton() {
    clipboard_.target = &rows_;
    enableItem(IDC_KEYWORDS_PASTE, pasteSource() != PasteSource::Nothing);
}

PasteSource KeywordsPage::pasteSource() const {
    return choosePasteSource(chosenVocabulary() != nullptr, clipboard_.canPaste(), [this] {
        return clipboardHoldsOtherText(clipboardOwner_, copyMark_);
    });
}

Vocabulary* KeywordsPage::chosenVocabulary() const {
    auto line = SendMessageA(vocabularyBox(), CB_GETCURSEL, 0, 0);
    if (line == CB_ERR)
        return nullptr;
    return store_.vocabularies.at(static_cast<int>(line));
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

// The rows go to the keyword clipboard, with their exact texts and modes,
// and as text lines to the system clipboard for other programs. With no row
// chosen both clipboards stay as they were.
void KeywordsPage::onCopy() {
    KeywordClipboard& clipboard = clipboard_;
    clipboard.target = &rows_;
    if (!clipboard.copy()) {
        showMessage(hwnd(), IDS_NO_KEYWORD_SELECTED, MB_ICONINFORMATION);
        return;
    }
    enableItem(IDC_KEYWORDS_PASTE, true);
    putKeywordLines(clipboardOwner_, writeKeywordLines(clipboard.texts, clipboard.modes), copyMark_,
                    Win32CodePages());
}

void KeywordsPage::onPaste() {
    KeywordClipboard& clipboard = clipboard_;
    clipboard.target = &rows_;
    const PasteSource source = pasteSource();
    if (source == PasteSource::Nothing)
        return;
    if (source == PasteSource::OtherProgramText) {
        KeywordImport import;
        Win32ClipboardText text(clipboardOwner_);
        import.addClipboard(text, Win32CodePages());
        addImported(import);
        return;
    }
    bool pasted = editRows([&clipboard](EditableKeywordRows& rows) {
        clipboard.target = &rows;
        return clipboard.paste();
    });
    clipboard.target = &rows_;
    if (pasted)
        rows_.ensureVisible(rows_.rowCount() - 1);
}

void KeywordsPage::addImported(const KeywordImport& import) {
    Vocabulary* vocabulary = chosenVocabulary();
    if (!vocabulary)
        return;
    if (!import.lines.empty()) {
        appendRows(import.lines);
        rows_.ensureVisible(rows_.rowCount() - 1);
    }
    std::string report = import.report(vocabulary->name.str(), ResourceImportTexts());
    if (!report.empty())
        showMessageText(hwnd(), report, MB_ICONINFORMATION);
}

LRESULT KeywordsPage::onListKey(NMHDR* header) {
    WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
    bool control = GetKeyState(VK_CONTROL) < 0;
    if (control && key == 'A') {
        ListView_SetItemState(rows_.hwnd(), -1, LVIS_SELECTED, LVIS_SELECTED);
    } else if (control && key == 'C')
        onCopy();
    else if (control && key == 'V')
        onPaste();
    else if (!control && key == VK_DELETE)
        onDelete();
    return 0;
}

// Emptying the list asks for no notification per row.
LRESULT KeywordsPage::onDeleteAll(NMHDR*) {
    return TRUE;
}

INT_PTR KeywordsPage::onDropFiles(WPARAM drop, LPARAM) {
    std::vector<std::string> paths = takeDroppedPaths(reinterpret_cast<HDROP>(drop));
    if (!chosenVocabulary()) {
        showMessage(hwnd(), IDS_NO_VOCABULARY, MB_ICONSTOP);
        return TRUE;
    }
    KeywordImport import;
    Win32TextFiles files;
    import.addFiles(paths, files, Win32CodePages());
    addImported(import);
    return TRUE;
}

INT_PTR KeywordsPage::onClipboardChanged(WPARAM w, LPARAM l) {
    updatePasteButton();
    clipboardViewer_.passOnChange(w, l);
    return TRUE;
}

INT_PTR KeywordsPage::onClipboardChainChanged(WPARAM removed, LPARAM next) {
    clipboardViewer_.chainChanged(removed, next);
    return TRUE;
}

INT_PTR KeywordsPage::onDestroy(WPARAM, LPARAM) {
    clipboardViewer_.leave();
    return FALSE;
}

void KeywordsPage::onOk() {
    askTabbedWindow(hwnd(), IDOK);
}

void KeywordsPage::onCancel() {
    askTabbedWindow(hwnd(), IDCANCEL);
}
