// KeywordClipboard: copy and paste of keyword rows between vocabularies.
#include "vocab/KeywordClipboard.h"

int KeywordRows::nextSelectedRow(int row) const {
    for (int next = row + 1; next < rowCount(); ++next) {
        if (isSelected(next)) {
            return next;
        }
    }
    return -1;
}

bool KeywordClipboard::canCopy() const {
    return target && target->nextSelectedRow(-1) >= 0;
}

bool KeywordClipboard::canPaste() const {
    return !texts.empty();
}

// Without a selected row nothing changes: the rows copied before stay, as
// the system clipboard's text and its mark of the program's own copy do.
bool KeywordClipboard::copy() {
    if (!canCopy()) {
        return false;
    }
    texts.clear();
    modes.clear();
    for (int row = target->nextSelectedRow(-1); row >= 0; row = target->nextSelectedRow(row)) {
        texts.push_back(target->rowText(row));
        modes.push_back(static_cast<uint16_t>(target->rowMode(row)));
    }
    return !texts.empty();
}

bool KeywordClipboard::paste() {
    if (texts.empty() || !target) {
        return false;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        target->appendRow(texts[i], modes[i]);
    }
    return true;
}
