// Vocabulary (a named keyword list with an icon) and VocabularyTable (the
// store's at most 64 vocabularies, in the user's order, without gaps).
#pragma once

#include "vocab/IconSource.h"
#include "vocab/TextList.h"

#include <array>
#include <memory>

class Vocabulary {
public:
    Text name;
    Text iconFile;
    int32_t iconIndex = 0;
    KeywordList keywords;

    void setIcon(std::string_view file, int32_t index);
    // The icon looked up in `icons`; the caller owns the handle; none when
    // the lookup fails.
    IconHandle icon(IconSource& icons) const;
    KeywordEntry* addKeyword(std::string_view text, int32_t mode);
    void clearKeywords() { keywords.clear(); }
    std::unique_ptr<Vocabulary> clone() const;
};

constexpr int kMaxVocabularies = 64;

class VocabularyTable {
public:
    int32_t count() const { return count_; }
    Vocabulary* at(int index) const;
    // A new, empty vocabulary after the last one; none when the table is full.
    Vocabulary* add();
    void remove(int index);
    bool moveUp(int index);
    bool moveDown(int index);
    VocabularyTable clone() const;

    // Used by the data file reader: takes a fully read vocabulary.
    bool adopt(std::unique_ptr<Vocabulary> vocabulary);

private:
    std::array<std::unique_ptr<Vocabulary>, kMaxVocabularies> slots_;
    int32_t count_ = 0;
};
