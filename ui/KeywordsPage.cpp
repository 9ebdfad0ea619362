// The Keywords page: the vocabulary box, its picture, the entry list and the
// buttons that edit, reorder, copy and paste entries.
#include "ui/KeywordsPage.h"

#include "app/Application.h"
#include "app/TabbedWindow.h"
#include "resources/PageIds.h"
#include "ui/EntryListInput.h"
#include "ui/KeywordEntryDialog.h"
#include "ui/KeywordExchange.h"
#include "ui/Messages.h"
#include "ui/logic/KeywordImport.h"

namespace {

// Switches a control's drawing off for a bulk change and redraws it once.
class FrozenDrawing {
public:
    explicit FrozenDrawing(HWND control) : control_(control) {
        SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
    }
    FrozenDrawing(const FrozenDrawing&) = delete;
    FrozenDrawing& operator=(const FrozenDrawing&) = delete;
    ~FrozenDrawing() {
        SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, TRUE);
    }

private:
    HWND control_;
};

} // namespace

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
};

const MessageMap<KeywordsPage> KeywordsPage::kMap{kMessages, kCommands, kNotifications};

KeywordsPage::~KeywordsPage() {
    // The clipboard outlives the page; it must not keep pointing at it.
    if (app().keywordClipboard.target == &rows_)
        app().keywordClipboard.target = nullptr;
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
    SendMessageA(vocabularyBox(), CB_RESETCONTENT, 0, 0);
    rows_.clear();
    DataStore* store = app().store();
    const VocabularyTable* table = store ? &store->vocabularies : nullptr;
    if (!table || table->count() == 0) {
        // Nothing to paste into: rows without a vocabulary would be lost.
        picture_.show(Icon());
        enableItem(IDC_KEYWORDS_PASTE, false);
        return;
    }
    if (index < 0 || index >= table->count())
        index = 0;
    for (int line = 0; line < table->count(); ++line)
        SendMessageA(vocabularyBox(), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(table->at(line)->name.c_str()));
    SendMessageA(vocabularyBox(), CB_SETCURSEL, index, 0);
    const Vocabulary& vocabulary = *table->at(index);
    showIcon(vocabulary);
    appendVocabularyRows(vocabulary, rows_);
    if (rows_.rowCount() > 0)
        rows_.selectAndFocus(0);
    updatePasteButton();
}

void KeywordsPage::showIcon(const Vocabulary& vocabulary) {
    picture_.show(vocabularyIcon(vocabulary));
}

void KeywordsPage::updatePasteButton() {
    app().keywordClipboard.target = &rows_;
    bool otherText = clipboardHoldsOtherText(app().mainWindowHandle, app().keywordCopyMark);
    enableItem(IDC_KEYWORDS_PASTE,
               chosenVocabulary() && (app().keywordClipboard.canPaste() || otherText));
}

Vocabulary* KeywordsPage::chosenVocabulary() const {
    auto line = SendMessageA(vocabularyBox(), CB_GETCURSEL, 0, 0);
    DataStore* store = app().store();
    if (line == CB_ERR || !store)
        return nullptr;
    return store->vocabularies.at(static_cast<int>(line));
}

void KeywordsPage::writeBack() {
    if (Vocabulary* vocabulary = chosenVocabulary())
        writeRowsBack(rows_, *vocabulary);
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
    rows_.appendRow(dialog.text, dialog.match);
    writeBack();
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
    rows_.setRow(row, dialog.text, dialog.match);
    writeBack();
}

LRESULT KeywordsPage::onDoubleClick(NMHDR*) {
    onEdit();
    return 0;
}

void KeywordsPage::onDelete() {
    if (deleteSelectedRows(rows_) > 0)
        writeBack();
}

void KeywordsPage::moveRows(bool (*move)(EditableKeywordRows&)) {
    // One redraw for the whole block move instead of one per row.
    LockWindowUpdate(rows_.hwnd());
    if (move(rows_))
        writeBack();
    LockWindowUpdate(nullptr);
}

void KeywordsPage::onUp() {
    moveRows(moveSelectedRowsUp);
}

void KeywordsPage::onDown() {
    moveRows(moveSelectedRowsDown);
}

// The rows go to the keyword clipboard, with their exact texts and modes,
// and as text lines to the system clipboard for other programs.
void KeywordsPage::onCopy() {
    KeywordClipboard& clipboard = app().keywordClipboard;
    clipboard.target = &rows_;
    if (!clipboard.copy())
        return;
    enableItem(IDC_KEYWORDS_PASTE, true);
    putKeywordLines(app().mainWindowHandle, writeKeywordLines(clipboard.texts, clipboard.modes),
                    app().keywordCopyMark);
}

// Text another program put on the system clipboard is newer than the
// keyword clipboard's rows, and wins; the program's own copy does not.
void KeywordsPage::onPaste() {
    KeywordClipboard& clipboard = app().keywordClipboard;
    clipboard.target = &rows_;
    if (!chosenVocabulary())
        return;
    std::string text;
    if (takeOtherClipboardText(app().mainWindowHandle, app().keywordCopyMark, text)) {
        KeywordImport import;
        import.addText(text);
        addImported(import);
        return;
    }
    {
        FrozenDrawing frozen(rows_.hwnd());
        if (!clipboard.paste())
            return;
    }
    writeBack();
    rows_.ensureVisible(rows_.rowCount() - 1);
}

void KeywordsPage::addImported(const KeywordImport& import) {
    Vocabulary* vocabulary = chosenVocabulary();
    if (!vocabulary)
        return;
    if (!import.lines.empty()) {
        // The new entries go to the end of the rows and of the vocabulary
        // alike, without reading back the rows already there; only a row the
        // list refused calls for the whole write back.
        {
            FrozenDrawing frozen(rows_.hwnd());
            for (const KeywordLine& line : import.lines) {
                rows_.appendRow(line.text, line.mode);
                vocabulary->addKeyword(line.text, line.mode);
            }
        }
        if (rows_.rowCount() != vocabulary->keywords.count())
            writeBack();
        rows_.ensureVisible(rows_.rowCount() - 1);
    }
    std::string report = import.report(vocabulary->name.str());
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

INT_PTR KeywordsPage::onDropFiles(WPARAM drop, LPARAM) {
    std::vector<std::string> paths = takeDroppedPaths(reinterpret_cast<HDROP>(drop));
    if (!chosenVocabulary()) {
        showMessage(hwnd(), IDS_NO_VOCABULARY, MB_ICONSTOP);
        return TRUE;
    }
    KeywordImport import;
    Win32TextFiles files;
    Win32AnsiCodePage codePage;
    import.addFiles(paths, files, codePage);
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
    TabbedWindow::sendToCurrent(IDOK);
}

void KeywordsPage::onCancel() {
    TabbedWindow::sendToCurrent(IDCANCEL);
}
