// The Vocabularies page's drag start after the commit.
#include "app/logic/PageDrag.h"

void startPageDrag(PageDragHost& host, int vocabularyIndex) {
    if (!host.commitEdits()) {
        return;
    }
    // Read only now: the commit may have waited for the user.
    if (host.primaryButtonDown()) {
        host.startDrag(vocabularyIndex);
    }
}
