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
    for (int row = 0; row < rows.rowCount(); ++row)
        if (rows.isSelected(row))
            return row;
    return -1;
}

bool moveSelectedRowsUp(EditableKeywordRows& rows) {
    bool moved = false;
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (!rows.isSelected(row))
            continue;
        // A selected first row can only be met before anything has moved.
        if (row == 0)
            break;
        moveRow(rows, row, row - 1);
        moved = true;
    }
    return moved;
}

bool moveSelectedRowsDown(EditableKeywordRows& rows) {
    bool moved = false;
    int last = rows.rowCount() - 1;
    for (int row = last; row >= 0; --row) {
        if (!rows.isSelected(row))
            continue;
        if (row == last)
            break;
        moveRow(rows, row, row + 1);
        moved = true;
    }
    return moved;
}

int deleteSelectedRows(EditableKeywordRows& rows) {
    int deleted = 0;
    for (int row = firstSelectedRow(rows); row >= 0; row = firstSelectedRow(rows)) {
        rows.deleteRow(row);
        ++deleted;
    }
    return deleted;
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
