// The Keywords page's row operations that need no window: block moves,
// deletion of the selection, and writing the rows back to the vocabulary.
#pragma once

#include "vocab/KeywordClipboard.h"

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
