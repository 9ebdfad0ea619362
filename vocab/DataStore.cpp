// DataStore: deep copy, loading and saving, and the key sequence for a title.
#include "vocab/DataStore.h"

#include "vocab/datafile/DataFile.h"
#include "vocab/datafile/DataFileStorage.h"

std::unique_ptr<DataStore> DataStore::clone() const {
    auto copy = std::make_unique<DataStore>();
    copy->vocabularies = vocabularies.clone();
    copy->findWindowTitles = findWindowTitles.clone();
    copy->findSequences = findSequences.clone();
    copy->defaultFindSequence = defaultFindSequence;
    copy->selectAllWindowTitles = selectAllWindowTitles.clone();
    copy->selectAllSequences = selectAllSequences.clone();
    copy->defaultSelectAllSequence = defaultSelectAllSequence;
    copy->reservedTexts = reservedTexts;
    copy->reservedValues = reservedValues;
    copy->foundSoundFile = foundSoundFile;
    copy->notFoundSoundFile = notFoundSoundFile;
    copy->playFoundSound = playFoundSound;
    copy->playNotFoundSound = playNotFoundSound;
    copy->reservedFlags = reservedFlags;
    return copy;
}

LoadOutcome DataStore::load(FileSystem& files, const std::string& path) {
    DataFileStorage storage(files, path, isLoadableDataFile);
    std::string bytes;
    if (!storage.read(bytes)) {
        // Held open by a backup or a virus scanner: there, but not readable now.
        return files.exists(path) ? LoadOutcome::Unreadable : LoadOutcome::Unread;
    }
    // Read into a store of its own, so that a file refused halfway through
    // leaves this one exactly as new.
    DataStore loaded;
    if (!decodeDataFile(bytes, loaded)) {
        return LoadOutcome::Refused;
    }
    *this = std::move(loaded);
    return LoadOutcome::Loaded;
}

bool DataStore::save(FileSystem& files, const std::string& path, bool keepOldFile) const {
    DataWriter file;
    encodeDataFile(*this, file);
    DataFileStorage storage(files, path, isLoadableDataFile);
    return file.ok() && storage.write(file.bytes(), keepOldFile);
}

std::string DataStore::sequenceForTitle(SequenceKind kind, std::string_view title) const {
    const bool goTo = kind == SequenceKind::GoTo;
    const TextList& titles = goTo ? findWindowTitles : selectAllWindowTitles;
    const TextList& sequences = goTo ? findSequences : selectAllSequences;
    const std::string folded = foldText(title);
    // The lists are walked side by side; should a damaged pair differ in
    // length, a title without its sequence selects nothing.
    const TextItem* sequence = sequences.first();
    for (const TextItem* item = titles.first(); item && sequence; item = item->next()) {
        if (folded.find(item->foldedText()) != std::string::npos) {
            return sequence->text().str();
        }
        sequence = sequence->next();
    }
    return (goTo ? defaultFindSequence : defaultSelectAllSequence).str();
}
