// TextItem and KeywordEntry, and the lists that own them.
//
// A list has no header object: its first item stands for the whole list,
// every item knows the first item and the next one, and the first item also
// knows the last one so that appending takes constant time. Owners hold a
// TextList / KeywordList handle, which is "no list" while it has no items.
#pragma once

#include "vocab/MatchMode.h"
#include "vocab/Text.h"

#include <cstdint>
#include <memory>
#include <string_view>

class DataWriter;
class DataReader;

class TextItem {
public:
    explicit TextItem(std::string_view text = {});
    TextItem(const TextItem&) = delete;
    TextItem& operator=(const TextItem&) = delete;
    // Destroys this item and every item after it (iteratively: long lists
    // must not exhaust the stack).
    virtual ~TextItem();

    // A new, unlinked item of the same class with the given text.
    virtual std::unique_ptr<TextItem> createLike(std::string_view text) const;
    // The whole list from this item on, in the data file's layout.
    virtual void writeTo(DataWriter& file) const;
    // Reads `count` items of this item's class: this (unlinked) item itself
    // first, then `count` - 1 more appended after it; false when the file
    // ends or holds something impossible.
    virtual bool readFrom(DataReader& file, int32_t count);

    const Text& text() const { return text_; }
    const std::string& foldedText() const { return foldedText_; }
    void setText(std::string_view text);
    int32_t tag = 0;

    TextItem* next() const { return next_; }
    TextItem* first() const { return first_; }
    TextItem* last() const { return first_->last_; }

protected:
    // Copies this item's own fields (not its links) into a new item.
    virtual std::unique_ptr<TextItem> copyItem() const;
    virtual void writeItem(DataWriter& file) const;
    virtual bool readItem(DataReader& file);

private:
    friend class TextListBase;
    // Links `item` at the end of the list whose first item is this one.
    TextItem* appendToList(std::unique_ptr<TextItem> item);

    Text text_;
    std::string foldedText_;
    TextItem* first_ = this;
    TextItem* next_ = nullptr;
    TextItem* last_ = this; // kept up to date in the first item only
};

class KeywordEntry : public TextItem {
public:
    explicit KeywordEntry(std::string_view text = {}, int32_t mode = AnyWord)
        : TextItem(text), matchMode(mode) {}

    std::unique_ptr<TextItem> createLike(std::string_view text) const override;

    KeywordEntry* next() const { return static_cast<KeywordEntry*>(TextItem::next()); }

    int32_t matchMode = AnyWord;

protected:
    std::unique_ptr<TextItem> copyItem() const override;
    void writeItem(DataWriter& file) const override;
    bool readItem(DataReader& file) override;
};

// The owner of a list: "no list" or its first item.
class TextListBase {
public:
    TextListBase() = default;
    TextListBase(TextListBase&&) noexcept = default;
    TextListBase& operator=(TextListBase&&) noexcept = default;

    bool present() const { return first_ != nullptr; }
    int32_t count() const;
    void clear() { first_.reset(); }

    // Writes the count (0 for no list) and the items.
    void writeTo(DataWriter& file) const;

protected:
    TextItem* appendItem(std::unique_ptr<TextItem> item);
    TextItem* firstItem() const { return first_.get(); }
    void cloneFrom(const TextListBase& other);
    bool readFrom(DataReader& file, std::unique_ptr<TextItem> prototype);

private:
    std::unique_ptr<TextItem> first_;
};

template <class Item> class ListIterator {
public:
    explicit ListIterator(Item* item) : item_(item) {}
    Item& operator*() const { return *item_; }
    Item* operator->() const { return item_; }
    ListIterator& operator++() {
        item_ = item_->next();
        return *this;
    }
    bool operator!=(const ListIterator& other) const { return item_ != other.item_; }

private:
    Item* item_;
};

class TextList : public TextListBase {
public:
    TextItem* append(std::string_view text);
    TextItem* first() const { return firstItem(); }
    TextList clone() const;
    bool readFrom(DataReader& file);

    ListIterator<TextItem> begin() const { return ListIterator<TextItem>(firstItem()); }
    ListIterator<TextItem> end() const { return ListIterator<TextItem>(nullptr); }
};

class KeywordList : public TextListBase {
public:
    KeywordEntry* append(std::string_view text, int32_t mode = AnyWord);
    KeywordEntry* first() const { return static_cast<KeywordEntry*>(firstItem()); }
    KeywordList clone() const;
    bool readFrom(DataReader& file);

    ListIterator<KeywordEntry> begin() const { return ListIterator<KeywordEntry>(first()); }
    ListIterator<KeywordEntry> end() const { return ListIterator<KeywordEntry>(nullptr); }
};
