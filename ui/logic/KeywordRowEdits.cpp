// Block moves, deletion and write back of the Keywords page's rows.
#include "ui/logic/KeywordRowEdits.h"

#include "vocab/Vocabulary.h"

namespace {

// Re-inserts row `from` at `to` (an index in the list without it) with its
// values, selected.
void moveRow(EditableKeywordRows& rows, int from, int to) {
    std::string text = rows.rowText(from);
    int32_t mode = rows.rowMode(from);
    rows.deleteRow(from);
    rows.insertRow(to, text, mode);
    rows.setSelected(to, true);
}

} // namespace

int firstSelectedRow(const KeywordRows& rows) {
    return rows.nextSelectedRow(-1);
}

std::vector<int> selectedRows(const KeywordRows& rows) {
    std::vector<int> selected;
    for (int row = rows.nextSelectedRow(-1); row >= 0; row = rows.nextSelectedRow(row))
        selected.push_back(row);
    return selected;
}

// Moving row r to r - 1 only swaps it with the unselected row above, so the
// selected rows below keep their places: they can be listed beforehand.
bool moveSelectedRowsUp(EditableKeywordRows& rows) {
    std::vector<int> selected = selectedRows(rows);
    // A selected first row holds every other selected row in place.
    if (selected.empty() || selected.front() == 0)
        return false;
    for (int row : selected)
        moveRow(rows, row, row - 1);
    return true;
}

bool moveSelectedRowsDown(EditableKeywordRows& rows) {
    std::vector<int> selected = selectedRows(rows);
    if (selected.empty() || selected.back() == rows.rowCount() - 1)
        return false;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        moveRow(rows, *row, *row + 1);
    return true;
}

// From the last to the first: the rows above a deleted one keep their places.
int deleteSelectedRows(EditableKeywordRows& rows) {
    std::vector<int> selected = selectedRows(rows);
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        rows.deleteRow(*row);
    return static_cast<int>(selected.size());
}

void writeRowsBack(const KeywordRows& rows, Vocabulary& vocabulary) {
    vocabulary.clearKeywords();
    for (int row = 0; row < rows.rowCount(); ++row)
        vocabulary.addKeyword(rows.rowText(row), rows.rowMode(row));
}

void appendVocabularyRows(const Vocabulary& vocabulary, KeywordRows& rows) {
    for (const KeywordEntry& entry : vocabulary.keywords)
        rows.appendRow(entry.text().str(), entry.matchMode);
}

void appendRows(KeywordRows& rows, const std::vector<KeywordRow>& added) {
    for (const KeywordRow& row : added)
        rows.appendRow(row.text, row.mode);
}

KeywordEntryRows::KeywordEntryRows(const Vocabulary& vocabulary, const std::vector<int>& selected) {
    for (const KeywordEntry& entry : vocabulary.keywords)
        rows_.push_back({entry.text().str(), entry.matchMode});
    selected_.assign(rows_.size(), false);
    for (int row : selected)
        if (row >= 0 && row < rowCount())
            selected_[row] = true;
}

void KeywordEntryRows::appendRow(const std::string& text, int32_t mode) {
    insertRow(rowCount(), text, mode);
}

void KeywordEntryRows::insertRow(int row, const std::string& text, int32_t mode) {
    rows_.insert(rows_.begin() + row, {text, mode});
    selected_.insert(selected_.begin() + row, false);
}

void KeywordEntryRows::setRow(int row, const std::string& text, int32_t mode) {
    rows_[row] = {text, mode};
}

void KeywordEntryRows::deleteRow(int row) {
    rows_.erase(rows_.begin() + row);
    selected_.erase(selected_.begin() + row);
}
