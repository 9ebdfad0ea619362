// KeywordListView: the Keywords page's report list control seen as keyword
// rows: column 0 the entry's text, column 1 its mode's display text, the
// item data its mode number.
#pragma once

#include "ui/logic/KeywordRowEdits.h"

#include <windows.h>

class KeywordListView : public EditableKeywordRows {
public:
    void attach(HWND list) { list_ = list; }
    HWND hwnd() const { return list_; }

    // The "Keywords" and "Match" columns, widths from the control's width,
    // and full-row selection.
    void setUp() const;
    void clear() const;
    // Lets the control make room for `count` rows at once before a fill.
    void reserveRows(int count) const;
    void selectAndFocus(int row) const;
    void ensureVisible(int row) const;

    int rowCount() const override;
    bool isSelected(int row) const override;
    int nextSelectedRow(int row) const override;
    std::string rowText(int row) const override;
    int32_t rowMode(int row) const override;
    void appendRow(const std::string& text, int32_t mode) override;
    void insertRow(int row, const std::string& text, int32_t mode) override;
    void setRow(int row, const std::string& text, int32_t mode) override;
    void deleteRow(int row) override;
    void setSelected(int row, bool on) override;

private:
    void setMode(int row, int32_t mode) const;

    HWND list_ = nullptr;
};
