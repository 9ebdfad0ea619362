// The Vocabularies page's drag and read by key, each after the commit.
#include "app/logic/PageCommits.h"

void startPageDrag(PageCommitHost& host, int vocabularyIndex) {
    if (!host.commitEdits()) {
        return;
    }
    // Read only now: the commit may have waited for the user.
    if (host.primaryButtonDown()) {
        host.startDrag(vocabularyIndex);
    }
}

void readFromPage(PageCommitHost& host, int vocabularyIndex) {
    if (!host.documentRemembered()) {
        host.tellNoDocument();
        return;
    }
    if (host.commitEdits())
        host.startRead(vocabularyIndex);
}
