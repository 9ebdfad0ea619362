// KeywordClipboard: copy and paste of keyword rows between vocabularies.
#include "vocab/KeywordClipboard.h"

bool KeywordClipboard::canCopy() const {
    if (!target) {
        return false;
    }
    for (int row = 0; row < target->rowCount(); ++row) {
        if (target->isSelected(row)) {
            return true;
        }
    }
    return false;
}

bool KeywordClipboard::canPaste() const {
    return !texts.empty();
}

bool KeywordClipboard::copy() {
    texts.clear();
    modes.clear();
    if (!target) {
        return false;
    }
    for (int row = 0; row < target->rowCount(); ++row) {
        if (target->isSelected(row)) {
            texts.push_back(target->rowText(row));
            modes.push_back(static_cast<uint16_t>(target->rowMode(row)));
        }
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
