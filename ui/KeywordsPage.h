// KeywordsPage: the "Keywords" tab. One vocabulary's keyword entries as a
// two-column list; every change is written back to the vocabulary at once.
#pragma once

#include "clipboard/win32/ClipboardViewer.h"
#include "toolkit/Dialog.h"
#include "ui/Icons.h"
#include "ui/KeywordListView.h"
#include "ui/logic/PasteSource.h"

#include <functional>
#include <string>
#include <vector>

class ClipboardMark;
class DataStore;
class KeywordClipboard;
class KeywordImport;
class Vocabulary;
class VocabularyTable;

class KeywordsPage : public DialogImpl<KeywordsPage> {
public:
    // The page edits `store`. The keyword clipboard and the mark of the
    // program's own text on the system clipboard are the program's, shared
    // by every opening of the window; `clipboardOwner` owns the text the page
    // puts there. All of them outlive the page.
    KeywordsPage(DataStore& store, KeywordClipboard& clipboard, ClipboardMark& copyMark,
                 HWND clipboardOwner)
        : store_(store), clipboard_(clipboard), copyMark_(copyMark),
          clipboardOwner_(clipboardOwner) {}
    ~KeywordsPage() override;
    // Creates the page as a hidden child of the tabbed window.
    HWND create(HWND tabbedWindow);
    // Shows vocabulary `index` (0 when below 0) and its entries.
    void fill(int index);

    static const MessageMap<KeywordsPage> kMap;

private:
    static const MessageHandler<KeywordsPage> kMessages[];
    static const CommandHandler<KeywordsPage> kCommands[];
    static const NotifyHandler<KeywordsPage> kNotifications[];

    BOOL onInit() override;
    void onVocabularyChosen();
    void onAdd();
    void onEdit();
    void onDelete();
    void onUp();
    void onDown();
    void onCopy();
    void onPaste();
    void onOk();
    void onCancel();
    LRESULT onDoubleClick(NMHDR*);
    // Ctrl+A, Ctrl+C, Ctrl+V and Delete in the entry list.
    LRESULT onListKey(NMHDR* header);
    LRESULT onDeleteAll(NMHDR*);
    // WM_DROPFILES: wParam the drop.
    INT_PTR onDropFiles(WPARAM drop, LPARAM);
    // The clipboard viewer chain: Paste follows what the clipboard holds.
    INT_PTR onClipboardChanged(WPARAM w, LPARAM l);
    INT_PTR onClipboardChainChanged(WPARAM removed, LPARAM next);
    INT_PTR onDestroy(WPARAM, LPARAM);

    // The vocabulary whose line is chosen in the box, or none.
    Vocabulary* chosenVocabulary() const;
    void fillVocabularyBox(const VocabularyTable& table, int chosen);
    // One user action on the rows: `edit` runs on the list with its drawing
    // frozen and, when it changed something, the same way on the chosen
    // vocabulary's entries, which are then rebuilt once. Returns its answer.
    bool editRows(const std::function<bool(EditableKeywordRows&)>& edit);
    // Appends rows at the end of the list and of the vocabulary in one go
    // (a bulk insertion: one redraw, one rebuild).
    void appendRows(const std::vector<KeywordRow>& added);
    void showIcon(const Vocabulary& vocabulary);
    void updatePasteButton();
    // What "&Paste" would paste now.
    PasteSource pasteSource() const;
    // Appends the imported entries to the rows, drawing off, and to the
    // vocabulary; says what was left out, if anything.
    void addImported(const KeywordImport& import);
    HWND vocabularyBox() const;

    // The icon file and index whose icon the picture shows, if any.
    struct IconSource {
        bool shown = false;
        std::string file;
        int32_t index = 0;
        bool operator==(const IconSource& other) const {
            return shown == other.shown && file == other.file && index == other.index;
        }
    };

    KeywordListView rows_;
    Picture picture_;
    IconSource pictureSource_;
    ClipboardViewer clipboardViewer_;
    DataStore& store_;
    KeywordClipboard& clipboard_;
    ClipboardMark& copyMark_;
    HWND clipboardOwner_;
};
