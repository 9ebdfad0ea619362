// TextItem, KeywordEntry and the lists that own them.
#include "vocab/TextList.h"

#include "vocab/datafile/DataFile.h"

TextItem::TextItem(std::string_view text) {
    setText(text);
}

TextItem::~TextItem() {
    // Unlink each follower before deleting it so that its own destructor
    // does not walk the rest again: the list dies in one loop, not by
    // recursion as deep as the list is long.
    TextItem* item = next_;
    while (item) {
        TextItem* following = item->next_;
        item->next_ = nullptr;
        delete item;
        item = following;
    }
}

void TextItem::setText(std::string_view text) {
    text_ = text;
    foldedText_ = foldText(text);
}

std::unique_ptr<TextItem> TextItem::createLike(std::string_view text) const {
    return std::make_unique<TextItem>(text);
}

std::unique_ptr<TextItem> TextItem::copyItem() const {
    std::unique_ptr<TextItem> copy = createLike(text_.view());
    copy->tag = tag;
    return copy;
}

TextItem* TextItem::appendToList(std::unique_ptr<TextItem> item) {
    TextItem* added = item.release();
    added->first_ = this;
    added->next_ = nullptr;
    last_->next_ = added;
    last_ = added;
    return added;
}

void TextItem::writeTo(DataWriter& file) const {
    for (const TextItem* item = this; item; item = item->next_) {
        item->writeItem(file);
    }
}

void TextItem::writeItem(DataWriter& file) const {
    text_.writeTo(file);
    file.writeInt32(tag);
}

bool TextItem::readFrom(DataReader& file, int32_t count) {
    if (count < 1 || !readItem(file)) {
        return false;
    }
    for (int32_t i = 1; i < count; ++i) {
        std::unique_ptr<TextItem> item = createLike({});
        if (!item->readItem(file)) {
            return false;
        }
        appendToList(std::move(item));
    }
    return true;
}

bool TextItem::readItem(DataReader& file) {
    Text text;
    if (!text.readFrom(file) || !file.readInt32(tag)) {
        return false;
    }
    setText(text.view());
    return true;
}

std::unique_ptr<TextItem> KeywordEntry::createLike(std::string_view text) const {
    return std::make_unique<KeywordEntry>(text, AnyWord);
}

std::unique_ptr<TextItem> KeywordEntry::copyItem() const {
    std::unique_ptr<TextItem> copy = TextItem::copyItem();
    static_cast<KeywordEntry&>(*copy).matchMode = matchMode;
    return copy;
}

void KeywordEntry::writeItem(DataWriter& file) const {
    file.writeInt32(matchMode);
    file.writeInt32(tag);
    text().writeTo(file);
}

bool KeywordEntry::readItem(DataReader& file) {
    Text text;
    if (!file.readInt32(matchMode) || !file.readInt32(tag) || !text.readFrom(file)) {
        return false;
    }
    // Every mode the program writes is one of the three; anything else is
    // damage, and the whole file is refused for it.
    if (matchMode < 0 || matchMode >= kMatchModeCount) {
        return false;
    }
    setText(text.view());
    return true;
}

int32_t TextListBase::count() const {
    int32_t count = 0;
    for (const TextItem* item = first_.get(); item; item = item->next()) {
        ++count;
    }
    return count;
}

void TextListBase::writeTo(DataWriter& file) const {
    file.writeInt32(count());
    if (first_) {
        first_->writeTo(file);
    }
}

TextItem* TextListBase::appendItem(std::unique_ptr<TextItem> item) {
    if (!first_) {
        first_ = std::move(item);
        first_->first_ = first_.get();
        first_->last_ = first_.get();
        return first_.get();
    }
    return first_->appendToList(std::move(item));
}

void TextListBase::cloneFrom(const TextListBase& other) {
    clear();
    for (const TextItem* item = other.first_.get(); item; item = item->next()) {
        appendItem(item->copyItem());
    }
}

bool TextListBase::readFrom(DataReader& file, std::unique_ptr<TextItem> prototype) {
    int32_t count = 0;
    if (!file.readInt32(count) || !file.canHold(count, kMinTextItemBytes)) {
        return false;
    }
    if (count == 0) {
        clear();
        return true;
    }
    if (!prototype->readFrom(file, count)) {
        return false;
    }
    first_ = std::move(prototype);
    return true;
}

TextItem* TextList::append(std::string_view text) {
    return appendItem(std::make_unique<TextItem>(text));
}

TextList TextList::clone() const {
    TextList copy;
    copy.cloneFrom(*this);
    return copy;
}

bool TextList::readFrom(DataReader& file) {
    return TextListBase::readFrom(file, std::make_unique<TextItem>());
}

KeywordEntry* KeywordList::append(std::string_view text, int32_t mode) {
    auto entry = std::make_unique<KeywordEntry>(text, mode);
    return static_cast<KeywordEntry*>(appendItem(std::move(entry)));
}

KeywordList KeywordList::clone() const {
    KeywordList copy;
    copy.cloneFrom(*this);
    return copy;
}

bool KeywordList::readFrom(DataReader& file) {
    return TextListBase::readFrom(file, std::make_unique<KeywordEntry>());
}
