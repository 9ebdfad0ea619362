// KeywordsPage: the "Keywords" tab. One vocabulary's keyword entries as a
// two-column list; every change is written back to the vocabulary at once.
#pragma once

#include "toolkit/Dialog.h"
#include "ui/Icons.h"
#include "ui/KeywordListView.h"

#include <functional>
#include <vector>

class DataStore;
class KeywordClipboard;
class Vocabulary;
class VocabularyTable;

class KeywordsPage : public DialogImpl<KeywordsPage> {
public:
    ~KeywordsPage() override;
    // Creates the page as a hidden child of the tabbed window, editing
    // `store`; the keyword clipboard is the program's, shared by every
    // opening of the window.
    HWND create(HWND tabbedWindow, DataStore& store, KeywordClipboard& clipboard);
    // Shows vocabulary `index` (0 when below 0) and its entries.
    void fill(int index);

    static const MessageMap<KeywordsPage> kMap;

private:
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
    HWND vocabularyBox() const;

    KeywordListView rows_;
    Picture picture_;
    DataStore* store_ = nullptr;
    KeywordClipboard* clipboard_ = nullptr;
};
