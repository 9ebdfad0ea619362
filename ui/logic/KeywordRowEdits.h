// The Keywords page's row operations that need no window: block moves,
// deletion of the selection, and writing the rows back to the vocabulary.
// Each touches only the rows it moves, deletes or adds, so that its cost in
// a list control follows the block, not the list.
#pragma once

#include "ui/logic/KeywordRow.h"
#include "vocab/KeywordClipboard.h"

#include <vector>

class Vocabulary;

// The entry list as the page edits it: the rows the clipboard sees, plus
// what moving, editing and deleting rows needs. The page implements it over
// its list control; tests over a plain vector.
class EditableKeywordRows : public KeywordRows {
public:
    // Inserts a row at `row` (text, the mode's display text, the mode as item
    // data), not selected.
    virtual void insertRow(int row, const std::string& text, int32_t mode) = 0;
    virtual void setRow(int row, const std::string& text, int32_t mode) = 0;
    virtual void deleteRow(int row) = 0;
    // The selected state only; the focused state stays where it is.
    virtual void setSelected(int row, bool on) = 0;
};

// The lowest selected row, or -1.
int firstSelectedRow(const KeywordRows& rows);
// Every selected row, in row order.
std::vector<int> selectedRows(const KeywordRows& rows);

// Every selected row moves one place up, a block of selected rows together;
// nothing moves when row 0 is selected. True when something moved.
bool moveSelectedRowsUp(EditableKeywordRows& rows);
// The mirror image: nothing moves when the last row is selected.
bool moveSelectedRowsDown(EditableKeywordRows& rows);

// Deletes every selected row; returns how many went.
int deleteSelectedRows(EditableKeywordRows& rows);

// Rebuilds the vocabulary's keyword list from the rows, in row order.
void writeRowsBack(const KeywordRows& rows, Vocabulary& vocabulary);

// Appends one row per keyword entry of the vocabulary, in entry order.
void appendVocabularyRows(const Vocabulary& vocabulary, KeywordRows& rows);

// Appends the rows at the end, in order.
void appendRows(KeywordRows& rows, const std::vector<KeywordRow>& added);

// A vocabulary's keyword entries as rows in memory, with the selection of
// the list that shows them. The page runs each edit on its list and then the
// same way on these rows, and writes them to the vocabulary: the vocabulary
// is rebuilt once per action without reading every row back from the window.
class KeywordEntryRows : public EditableKeywordRows {
public:
    KeywordEntryRows(const Vocabulary& vocabulary, const std::vector<int>& selected);

    // Rebuilds the vocabulary's keyword list from these rows, in row order.
    void writeTo(Vocabulary& vocabulary) const { writeRowsBack(*this, vocabulary); }

    int rowCount() const override { return static_cast<int>(rows_.size()); }
    bool isSelected(int row) const override { return selected_[row]; }
    std::string rowText(int row) const override { return rows_[row].text; }
    int32_t rowMode(int row) const override { return rows_[row].mode; }
    void appendRow(const std::string& text, int32_t mode) override;
    void insertRow(int row, const std::string& text, int32_t mode) override;
    void setRow(int row, const std::string& text, int32_t mode) override;
    void deleteRow(int row) override;
    void setSelected(int row, bool on) override { selected_[row] = on; }

private:
    std::vector<KeywordRow> rows_;
    std::vector<bool> selected_;
};
