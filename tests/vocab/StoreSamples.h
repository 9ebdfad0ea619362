// Sample stores for the tests, and a field-by-field description of a store
// that does not go through the data file code it is used to check.
#pragma once

#include "vocab/DataStore.h"

#include <memory>
#include <string>

inline std::unique_ptr<DataStore> makeRichStore() {
    auto store = std::make_unique<DataStore>();
    Vocabulary* legal = store->vocabularies.add();
    legal->name = "Legal";
    legal->setIcon("C:\\WINDOWS\\SYSTEM\\SHELL32.DLL", 21);
    legal->addKeyword("Force Majeure", ExactPhrase)->tag = 7;
    legal->addKeyword("liability  Indemnity", AllWords);
    legal->addKeyword("\xC4nderung Clause", AnyWord)->tag = -1;
    Vocabulary* empty = store->vocabularies.add();
    empty->setIcon("default", 3);
    Vocabulary* third = store->vocabularies.add();
    third->name = "Third";
    third->iconFile = "app.ico";
    third->addKeyword("", AnyWord);
    store->findWindowTitles.append("Notepad")->tag = 11;
    store->findWindowTitles.append("WordPad");
    store->findSequences.append("<ctrl>f<ctrl>");
    store->findSequences.append("<alt>e<alt>f")->tag = 12;
    store->defaultFindSequence = "<f3>";
    store->selectAllWindowTitles.append("Write");
    store->selectAllSequences.append("<ctrl><home><ctrl>");
    store->defaultSelectAllSequence = "<ctrl>A<ctrl>";
    store->reservedTexts[0] = "kept";
    store->reservedTexts[7] = "also kept";
    store->reservedValues = {2021, -5, 0x12345678};
    store->foundSoundFile = "C:\\found.wav";
    store->notFoundSoundFile = "nothing.wav";
    store->playFoundSound = 1;
    store->playNotFoundSound = 0;
    store->reservedFlags = {3, -4};
    return store;
}

inline std::string describeList(const TextList& list) {
    if (!list.present()) {
        return "(no list)";
    }
    std::string out;
    for (const TextItem& item : list) {
        out += "[" + item.text().str() + "|" + item.foldedText() + "|" + std::to_string(item.tag) +
               "]";
    }
    return out;
}

inline std::string describeList(const KeywordList& list) {
    if (!list.present()) {
        return "(no list)";
    }
    std::string out;
    for (const KeywordEntry& entry : list) {
        out += "[" + entry.text().str() + "|" + entry.foldedText() + "|" +
               std::to_string(entry.tag) + "|" + std::to_string(entry.matchMode) + "]";
    }
    return out;
}

inline std::string describeStore(const DataStore& store) {
    std::string out = std::to_string(store.magic) + " " + std::to_string(store.reservedWord) + "\n";
    for (int i = 0; i < store.vocabularies.count(); ++i) {
        const Vocabulary& v = *store.vocabularies.at(i);
        out += v.name.str() + "|" + v.iconFile.str() + "|" + std::to_string(v.iconIndex) + " " +
               describeList(v.keywords) + "\n";
    }
    out += describeList(store.findWindowTitles) + describeList(store.findSequences) + "\n";
    out += store.defaultFindSequence.str() + "\n";
    out +=
        describeList(store.selectAllWindowTitles) + describeList(store.selectAllSequences) + "\n";
    out += store.defaultSelectAllSequence.str() + "\n";
    for (const Text& text : store.reservedTexts) {
        out += text.str() + ";";
    }
    for (int32_t value : store.reservedValues) {
        out += std::to_string(value) + ";";
    }
    out += store.foundSoundFile.str() + ";" + store.notFoundSoundFile.str() + ";";
    out += std::to_string(store.playFoundSound) + std::to_string(store.playNotFoundSound) + ";";
    out += std::to_string(store.reservedFlags[0]) + ";" + std::to_string(store.reservedFlags[1]);
    return out;
}
