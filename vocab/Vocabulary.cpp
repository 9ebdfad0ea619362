// Vocabulary and VocabularyTable: icons, keyword entries, the 64 slots.
#include "vocab/Vocabulary.h"

void Vocabulary::setIcon(std::string_view file, int32_t index) {
    iconFile = file;
    iconIndex = index;
}

IconHandle Vocabulary::icon(IconSource& icons) const {
    // Only the whole word "default", in any case, means the shell's icon; a
    // file that merely begins with it is an icon file like any other.
    if (foldText(iconFile.view()) == "default") {
        return icons.shellIcon(iconFile.str());
    }
    // A negative index (from data.dat, or from an icon list that was empty)
    // names no icon; to the system, -1 would mean "count the icons".
    if (iconIndex < 0) {
        return nullptr;
    }
    return icons.extractIcon(iconFile.str(), iconIndex);
}

KeywordEntry* Vocabulary::addKeyword(std::string_view text, int32_t mode) {
    return keywords.append(text, mode);
}

std::unique_ptr<Vocabulary> Vocabulary::clone() const {
    auto copy = std::make_unique<Vocabulary>();
    copy->name = name;
    copy->iconFile = iconFile;
    copy->iconIndex = iconIndex;
    copy->keywords = keywords.clone();
    return copy;
}

Vocabulary* VocabularyTable::at(int index) const {
    if (index < 0 || index >= kMaxVocabularies) {
        return nullptr;
    }
    return slots_[index].get();
}

Vocabulary* VocabularyTable::add() {
    if (count_ >= kMaxVocabularies) {
        return nullptr;
    }
    slots_[count_] = std::make_unique<Vocabulary>();
    return slots_[count_++].get();
}

bool VocabularyTable::adopt(std::unique_ptr<Vocabulary> vocabulary) {
    if (count_ >= kMaxVocabularies || !vocabulary) {
        return false;
    }
    slots_[count_++] = std::move(vocabulary);
    return true;
}

void VocabularyTable::remove(int index) {
    if (index >= 0 && index < kMaxVocabularies && slots_[index]) {
        slots_[index].reset();
        --count_;
    }
    // Close the gap: every occupied slot moves down to the lowest free one.
    int free = 0;
    for (int i = 0; i < kMaxVocabularies; ++i) {
        if (!slots_[i]) {
            continue;
        }
        if (i != free) {
            slots_[free] = std::move(slots_[i]);
        }
        ++free;
    }
}

bool VocabularyTable::moveUp(int index) {
    if (index < 1 || index >= count_) {
        return false;
    }
    std::swap(slots_[index - 1], slots_[index]);
    return true;
}

bool VocabularyTable::moveDown(int index) {
    if (index < 0 || index + 1 >= count_) {
        return false;
    }
    std::swap(slots_[index], slots_[index + 1]);
    return true;
}

VocabularyTable VocabularyTable::clone() const {
    VocabularyTable copy;
    for (int i = 0; i < count_; ++i) {
        copy.adopt(slots_[i]->clone());
    }
    return copy;
}
