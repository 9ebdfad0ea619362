// The data file's layout of a whole DataStore, written and read in one pass.
#include "vocab/datafile/DataFile.h"

#include "vocab/DataStore.h"

namespace {

void writeVocabulary(const Vocabulary& vocabulary, DataWriter& file) {
    vocabulary.name.writeTo(file);
    vocabulary.iconFile.writeTo(file);
    file.writeInt32(vocabulary.iconIndex);
    // The entry count stands before the list, which repeats it.
    const int32_t entries = vocabulary.keywords.count();
    file.writeInt32(entries);
    if (entries > 0) {
        vocabulary.keywords.writeTo(file);
    }
}

bool readVocabulary(DataReader& file, Vocabulary& vocabulary) {
    int32_t entries = 0;
    if (!vocabulary.name.readFrom(file) || !vocabulary.iconFile.readFrom(file) ||
        !file.readInt32(vocabulary.iconIndex) || !file.readInt32(entries) ||
        !file.canHold(entries, kMinKeywordEntryBytes)) {
        return false;
    }
    if (entries == 0) {
        return true;
    }
    // The two counts disagree only in a damaged file.
    return vocabulary.keywords.readFrom(file) && vocabulary.keywords.count() == entries;
}

bool readVocabularies(DataReader& file, VocabularyTable& table) {
    int32_t count = 0;
    if (!file.readInt32(count) || count < 0 || count > kMaxVocabularies ||
        !file.canHold(count, kMinVocabularyBytes)) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        auto vocabulary = std::make_unique<Vocabulary>();
        if (!readVocabulary(file, *vocabulary)) {
            return false;
        }
        table.adopt(std::move(vocabulary));
    }
    return true;
}

bool readSettings(DataReader& file, DataStore& store) {
    if (!store.findWindowTitles.readFrom(file) || !store.findSequences.readFrom(file) ||
        !store.defaultFindSequence.readFrom(file) || !store.selectAllWindowTitles.readFrom(file) ||
        !store.selectAllSequences.readFrom(file) ||
        !store.defaultSelectAllSequence.readFrom(file)) {
        return false;
    }
    for (Text& text : store.reservedTexts) {
        if (!text.readFrom(file)) {
            return false;
        }
    }
    return store.foundSoundFile.readFrom(file) && store.notFoundSoundFile.readFrom(file) &&
           file.readInt32(store.playFoundSound) && file.readInt32(store.playNotFoundSound) &&
           file.readInt32(store.reservedFlags[0]) && file.readInt32(store.reservedFlags[1]);
}

} // namespace

void encodeDataFile(const DataStore& store, DataWriter& file) {
    file.writeInt32(store.magic);
    file.writeInt32(0); // reservedWord: always written as 0
    for (int32_t value : store.reservedValues) {
        file.writeInt32(value);
    }
    file.writeInt32(store.vocabularies.count());
    for (int i = 0; i < store.vocabularies.count(); ++i) {
        writeVocabulary(*store.vocabularies.at(i), file);
    }
    store.findWindowTitles.writeTo(file);
    store.findSequences.writeTo(file);
    store.defaultFindSequence.writeTo(file);
    store.selectAllWindowTitles.writeTo(file);
    store.selectAllSequences.writeTo(file);
    store.defaultSelectAllSequence.writeTo(file);
    for (const Text& text : store.reservedTexts) {
        text.writeTo(file);
    }
    store.foundSoundFile.writeTo(file);
    store.notFoundSoundFile.writeTo(file);
    file.writeInt32(store.playFoundSound);
    file.writeInt32(store.playNotFoundSound);
    file.writeInt32(store.reservedFlags[0]);
    file.writeInt32(store.reservedFlags[1]);
}

bool decodeDataFile(std::string_view bytes, DataStore& store) {
    DataReader file(bytes);
    int32_t magic = 0;
    int32_t reservedWord = 0; // read and ignored
    if (!file.readInt32(magic) || magic != DataStore::kMagic || !file.readInt32(reservedWord)) {
        return false;
    }
    for (int32_t& value : store.reservedValues) {
        if (!file.readInt32(value)) {
            return false;
        }
    }
    return readVocabularies(file, store.vocabularies) && readSettings(file, store);
}

bool isLoadableDataFile(std::string_view bytes) {
    DataStore store;
    return decodeDataFile(bytes, store);
}
