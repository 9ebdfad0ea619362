// KeywordClipboard: keyword rows copied on the Keywords page, kept for the
// whole run so that they can be pasted into another vocabulary. Not the
// system clipboard, never saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rows of a keyword list control, as the clipboard sees them.
class KeywordRows {
public:
    virtual ~KeywordRows() = default;
    virtual int rowCount() const = 0;
    virtual bool isSelected(int row) const = 0;
    // The first selected row after `row` (-1 starts at the top), or -1. A list
    // control finds it itself; asking it row by row costs a message a row.
    virtual int nextSelectedRow(int row) const;
    virtual std::string rowText(int row) const = 0;
    virtual int32_t rowMode(int row) const = 0;
    // Appends a row: text, the mode's display text, the mode as item data.
    virtual void appendRow(const std::string& text, int32_t mode) = 0;
};

class KeywordClipboard {
public:
    virtual ~KeywordClipboard() = default;
    virtual bool canCopy() const;
    virtual bool canPaste() const;
    virtual bool copy();
    virtual bool paste();

    KeywordRows* target = nullptr;
    std::vector<std::string> texts;
    std::vector<uint16_t> modes;
};
