// The reads of a document window with one or with all vocabularies.
#include "reading/DocumentRead.h"

#include "vocab/DataStore.h"
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/SearchSession.h"

namespace {

std::string CaptureFrom(ReadPlatform& platform, WindowHandle document) {
    platform.setForeground(document);
    platform.wait(kBeforeCaptureMs);
    return platform.captureText(document);
}

// Searches the session's text with one vocabulary's entries; a vocabulary
// without entries finds nothing.
bool Search(const Vocabulary* vocabulary, SearchSession& session, KeywordSearch& search) {
    if (!vocabulary || !vocabulary->keywords.present())
        return false;
    search.setEntries(vocabulary->keywords.clone());
    search.setSession(session);
    return search.run();
}

void PlayIf(ReadPlatform& platform, int32_t on, const Text& file) {
    if (on != 0 && !file.empty())
        platform.playSound(file.str());
}

ReadOutcome OutcomeOf(bool found, bool gotText) {
    if (found)
        return ReadOutcome::Found;
    return gotText ? ReadOutcome::NothingFound : ReadOutcome::NoText;
}

} // namespace

ReadOutcome ReadDocument(ReadPlatform& platform, const DataStore& store, WindowHandle document,
                         int index) {
    platform.setBusy(true);
    std::string text = CaptureFrom(platform, document);
    const bool gotText = !text.empty();
    // A slot that no longer holds a vocabulary reads as finding nothing.
    const Vocabulary* vocabulary =
        index >= 0 && index < store.vocabularies.count() ? store.vocabularies.at(index) : nullptr;
    SearchSession session(std::move(text));
    KeywordSearch search;
    bool found = Search(vocabulary, session, search);
    if (found) {
        platform.wait(kBeforeResultsMs);
        platform.openFoundWindow(document);
        platform.addFound(search.hits());
        platform.showFoundWindow();
        PlayIf(platform, store.playFoundSound, store.foundSoundFile);
    } else {
        PlayIf(platform, store.playNotFoundSound, store.notFoundSoundFile);
    }
    platform.restoreClipboard();
    platform.setBusy(false);
    return OutcomeOf(found, gotText);
}

ReadOutcome ReadDocumentWithAll(ReadPlatform& platform, const DataStore& store,
                                WindowHandle document) {
    platform.openFoundWindow(document);
    platform.setBusy(true);
    std::string text = CaptureFrom(platform, document);
    const bool gotText = !text.empty();
    // Every list is announced first, so that one pass answers the needles
    // of all of them and the text is folded at most once.
    SearchSession session(std::move(text));
    for (int i = 0; i < store.vocabularies.count(); ++i) {
        if (store.vocabularies.at(i))
            session.addEntries(store.vocabularies.at(i)->keywords);
    }
    bool found = false;
    for (int i = 0; i < store.vocabularies.count(); ++i) {
        KeywordSearch search;
        if (Search(store.vocabularies.at(i), session, search)) {
            platform.addFound(search.hits());
            found = true;
        }
    }
    if (found) {
        platform.wait(kBeforeResultsMs);
        platform.showFoundWindow();
        PlayIf(platform, store.playFoundSound, store.foundSoundFile);
    } else {
        platform.destroyFoundWindow();
        PlayIf(platform, store.playNotFoundSound, store.notFoundSoundFile);
    }
    platform.restoreClipboard();
    platform.setBusy(false);
    return OutcomeOf(found, gotText);
}
